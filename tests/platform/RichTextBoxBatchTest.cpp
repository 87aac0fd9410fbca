#include "RichTextBoxFixture.h"

#include <QSignalSpy>
#include <memory>

namespace {

using RichTextBoxBatch = ShownRichTextBox;

} // namespace

TEST_F(RichTextBoxBatch, TextIsThereAtOnceAndChangesAreReportedWhenTheOutermostBatchCloses) {
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
        EXPECT_EQ(box.TextLength(), 8);
        EXPECT_EQ(box.TextRange(4, 3), "two");
        EXPECT_EQ(changes.size(), 0) << "the inner batch's close is not the end";
        append("three");
    }
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 0);
    EXPECT_EQ(box.Text(), "one\ntwo\nthree");

    append("!");
    EXPECT_EQ(changes.size(), 2) << "outside a batch each write is reported";
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
        EXPECT_EQ(changes.size(), 1);
    }
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(RichTextBoxBatch, AChangeHandlerMayWriteWhileBatchesClose) {
    RichTextBox log;
    QObject::connect(&box, &RichTextBox::Change, [&log](int, int, int added) {
        RichTextBox::Batch nested;
        log.setSelStart(log.TextLength());
        log.setSelText(QString::number(added) + " ");
    });
    {
        RichTextBox::Batch batch;
        append("abc");
        log.setSelText("log: ");
    }
    EXPECT_TRUE(log.Text().startsWith("log: ")) << log.Text().toStdString();
    EXPECT_GT(log.TextLength(), 5) << "the handler's write landed";
    append("x");
    EXPECT_GT(log.TextLength(), 7);
}
