#include "RichTextBoxFixture.h"

#include <QSignalSpy>
#include <memory>

namespace {

using RichTextBoxBatch = ShownRichTextBox;

} // namespace

// Inside a batch only the layout waits: text and changes are there at once, so
// what a change handler writes in answer joins the same layout.
TEST_F(RichTextBoxBatch, TextAndChangesComeAtOnceAndTheBatchCloseAddsNone) {
    QSignalSpy changes(&box, &RichTextBox::Change);
    {
        RichTextBox::Batch outer;
        {
            RichTextBox::Batch inner;
            append("one\r\n");
            box.setSelColor(0xFF);
            append("two\r\n");
        }
        EXPECT_EQ(box.Text(), "one\ntwo\n");
        EXPECT_EQ(box.textLength(), 8);
        EXPECT_EQ(box.textRange(4, 3), "two");
        ASSERT_EQ(changes.size(), 2) << "one per write; a format change is none";
        EXPECT_EQ(changes[1], (QList<QVariant>{4, 0, 4}));
        append("three");
    }
    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(changes[2], (QList<QVariant>{8, 0, 5}));
    EXPECT_EQ(box.Text(), "one\ntwo\nthree");

    append("!");
    EXPECT_EQ(changes.size(), 4) << "outside a batch each write is reported too";
}

TEST_F(RichTextBoxBatch, EveryBoxWrittenInABatchIsFinishedAndADestroyedOneIsSkipped) {
    RichTextBox other;
    auto doomed = std::make_unique<RichTextBox>();
    QSignalSpy changes(&other, &RichTextBox::Change);
    {
        RichTextBox::Batch batch;
        append("here");
        doomed->setSelText("gone");
        other.setSelText("there");
        doomed.reset();
        box.setSelText(" again");
    }
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(box.Text(), "here again");

    // A later batch starts afresh for every box.
    {
        RichTextBox::Batch batch;
        other.setSelText("!");
    }
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(other.Text(), "there!");
}

TEST_F(RichTextBoxBatch, AChangeHandlerMayWriteWhileBatchesClose) {
    RichTextBox log;
    QObject::connect(&box, &RichTextBox::Change, [&log](int, int, int added) {
        RichTextBox::Batch nested;
        log.setSelStart(log.textLength());
        log.setSelText(QString::number(added) + " ");
    });
    {
        RichTextBox::Batch batch;
        append("abc");
        log.setSelText("log: ");
    }
    EXPECT_EQ(log.Text(), "3 log: ") << "the handler's write landed as the change came";
    append("x");
    EXPECT_EQ(log.Text(), "3 log: 1 ");
}

TEST_F(RichTextBoxBatch, OldLinesLeaveFromTheTopAndTheTrimIsReported) {
    QSignalSpy changes(&box, &RichTextBox::Change);
    {
        RichTextBox::Batch batch;
        for (int k = 0; k < RichTextBox::kScrollbackLines + 5; ++k)
            append(QString(" line %1\r\n").arg(k));
    }
    EXPECT_EQ(box.document()->blockCount(), RichTextBox::kScrollbackLines);
    EXPECT_TRUE(box.Text().startsWith(" line 6\n")) << box.textRange(0, 20).toStdString();
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last()[0].toInt(), 0);
    EXPECT_GT(changes.last()[1].toInt(), 0);
    EXPECT_EQ(changes.last()[2].toInt(), 0);
    append(" one more\r\n");
    EXPECT_TRUE(box.Text().startsWith(" line 7\n"));
}
