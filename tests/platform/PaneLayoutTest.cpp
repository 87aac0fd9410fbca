// The pane's own layout, against the standard layout of a text edit and under the
// loads a chat pane meets: a long scrollback, old lines leaving, floods written in
// one batch, a view that follows the end.
#include "RichTextBoxFixture.h"

#include "fixtures/Wait.h"
#include "platform/Metafile.h"
#include "platform/PaneLayout.h"
#include "platform/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QTextLayout>
#include <functional>

namespace {

using PaneLayoutTest = ShownRichTextBox;

PaneLayout& layoutOf(RichTextBox& box) {
    return *static_cast<PaneLayout*>(box.document()->documentLayout());
}

QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::darkYellow);
    return image;
}

// The fragment that shows a picture of this size in a box, as smileys are shown.
QString pictureFragment(int width, int height) {
    return QString("{\\rtf1\\ansi{\\pict\\picwgoal%1\\pichgoal%2\\wmetafile8 %3}}")
        .arg(picturePixelsToTwips(width))
        .arg(picturePixelsToTwips(height))
        .arg(QString::fromLatin1(writeBitmapMetafile(picture(width, height)).toHex()));
}

// Lines of every kind a pane holds: short, wrapped, with a picture taller than the
// text, bold and large, empty; the same into any document.
void writeSampleLines(QTextDocument& document) {
    document.addResource(QTextDocument::ImageResource, QUrl("sample:picture"), picture(18, 18));
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    plain.setFontPointSize(10);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(QColor(0, 0, 255));
    QTextCharFormat large = plain;
    large.setFontPointSize(18);
    QTextImageFormat smiley;
    smiley.setName("sample:picture");
    smiley.setWidth(18);
    smiley.setHeight(18);
    cursor.insertText(" <bob>  hello there", plain);
    cursor.insertBlock();
    cursor.insertText(" a much longer line of chat that goes on and on until it has to wrap around, twice "
                      "at the very least in a pane of this width, and then some more words",
                      plain);
    cursor.insertBlock();
    cursor.insertText(" a smiley ", plain);
    cursor.insertImage(smiley);
    cursor.insertText(" and ", bold);
    cursor.insertText("big", large);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(" \t tab and end", plain);
}

// The standard layout, and the box's with the same size, margin and wrap width.
struct TwoLayouts {
    QTextEdit standard;
    RichTextBox pane;

    TwoLayouts() {
        for (QTextEdit* edit : {static_cast<QTextEdit*>(&standard), static_cast<QTextEdit*>(&pane)}) {
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->resize(300, 200);
            edit->show();
            writeSampleLines(*edit->document());
        }
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST(PaneLayoutGeometry, LinesLieWhereTheStandardLayoutPutsThem) {
    TwoLayouts two;
    QTextDocument& standard = *two.standard.document();
    QTextDocument& pane = *two.pane.document();
    ASSERT_EQ(pane.blockCount(), standard.blockCount());
    EXPECT_EQ(pane.documentLayout()->documentSize(), standard.documentLayout()->documentSize());
    for (int k = 0; k < pane.blockCount(); ++k) {
        SCOPED_TRACE(k);
        const QRectF expected = standard.documentLayout()->blockBoundingRect(standard.findBlockByNumber(k));
        const QRectF shown = pane.documentLayout()->blockBoundingRect(pane.findBlockByNumber(k));
        EXPECT_EQ(shown.topLeft(), expected.topLeft());
        EXPECT_EQ(shown.height(), expected.height());
        EXPECT_EQ(pane.findBlockByNumber(k).layout()->lineCount(),
                  standard.findBlockByNumber(k).layout()->lineCount());
    }
    // Each character is where the standard layout has it, and a point on it finds it.
    for (int position = 0; position < pane.characterCount() - 1; position += 7) {
        QTextCursor inStandard(&standard);
        inStandard.setPosition(position);
        QTextCursor inPane(&pane);
        inPane.setPosition(position);
        const QRect at = two.pane.cursorRect(inPane);
        EXPECT_EQ(at, two.standard.cursorRect(inStandard)) << position;
        EXPECT_EQ(two.pane.cursorForPosition(at.center() + QPoint(1, 0)).position(),
                  two.standard.cursorForPosition(at.center() + QPoint(1, 0)).position())
            << position;
    }
}

TEST(PaneLayoutGeometry, UnwrappedLinesAreAsWideAsTheStandardLayoutMakesThem) {
    TwoLayouts two;
    two.standard.setLineWrapMode(QTextEdit::NoWrap);
    two.pane.setLineWrapMode(QTextEdit::NoWrap);
    QCoreApplication::processEvents();
    EXPECT_EQ(two.pane.document()->documentLayout()->documentSize(),
              two.standard.document()->documentLayout()->documentSize());
    EXPECT_EQ(two.pane.horizontalScrollBar()->maximum(), two.standard.horizontalScrollBar()->maximum());
}

TEST(PaneLayoutGeometry, TheStandardLooksAreDrawn) {
    TwoLayouts two;
    // The user's selection over the second line and part of the third.
    for (QTextEdit* edit : {static_cast<QTextEdit*>(&two.standard), static_cast<QTextEdit*>(&two.pane)}) {
        QTextCursor selection(edit->document());
        selection.setPosition(25);
        selection.setPosition(200, QTextCursor::KeepAnchor);
        edit->setTextCursor(selection);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(two.pane.viewport()->grab().toImage(), two.standard.viewport()->grab().toImage());
}

// Each old line leaving from the top of a full pane costs what one line costs:
// no other line is laid out again or moved.
TEST_F(PaneLayoutTest, OldLinesLeaveWithoutLayingOutTheOthers) {
    {
        RichTextBox::Batch batch;
        for (int k = 0; k < RichTextBox::kScrollbackLines; ++k)
            append(QString(" line %1 of a full pane\r\n").arg(k));
    }
    PaneLayout& layout = layoutOf(box);
    layout.layOutAll();
    const qint64 before = layout.paragraphsLaidOut();
    constexpr int kLines = 200;
    for (int k = 0; k < kLines; ++k)
        append(QString(" newer line %1\r\n").arg(k));
    EXPECT_EQ(box.document()->blockCount(), RichTextBox::kScrollbackLines);
    EXPECT_LE(layout.paragraphsLaidOut() - before, 3 * kLines) << "the new line, the one after it, the first";

    // The lines that stay are stacked without gaps, and the document ends after the last.
    QTextBlock block = box.document()->lastBlock();
    for (int k = 0; k < 50; ++k, block = block.previous())
        EXPECT_EQ(layout.blockBoundingRect(block.previous()).bottom(), layout.blockBoundingRect(block).top());
    EXPECT_EQ(layout.documentSize().height(), layout.blockBoundingRect(box.document()->lastBlock()).bottom() +
                                                  box.document()->documentMargin());
}

// A flood written in one batch: only what the view shows is laid out at once; the
// rest once the program rests, and a view that follows the end stays there.
TEST_F(PaneLayoutTest, ABatchIsLaidOutAsFarAsTheViewShowsAndTheRestWhenThereIsTime) {
    const QString smiley = pictureFragment(22, 22);
    {
        RichTextBox::Batch batch;
        for (int k = 0; k < 3000; ++k) {
            append(
                k % 3 ? QString(" short line %1 ").arg(k)
                      : QString(" line %1 long enough to wrap in this pane of three hundred pixels, and then "
                                "some more ")
                            .arg(k));
            if (k % 4 == 0)
                box.setSelRTF(smiley);
            append("\r\n");
        }
    }
    const auto laidOut = [this] {
        int count = 0;
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            count += block.layout()->lineCount() > 0 ? 1 : 0;
        return count;
    };
    QScrollBar& bar = *box.verticalScrollBar();
    const int rows = box.viewport()->height() / 10 + 2;
    EXPECT_LE(laidOut(), rows) << "a view shows at most this many";
    EXPECT_EQ(bar.value(), bar.maximum());
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect(end))) << "the last line is in view";

    ASSERT_TRUE(waitInEventLoop([&] { return laidOut() == box.document()->blockCount(); }));
    EXPECT_EQ(bar.value(), bar.maximum()) << "still at the end, now that every line has its height";
    EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect(end)));
}

// Lines of every height arriving in small batches, and the pane growing taller: a
// view at the end shows the last line each time.
TEST_F(PaneLayoutTest, AViewFollowingTheEndStaysThereWhateverTheLines) {
    const QString tall = pictureFragment(16, 40);
    QScrollBar& bar = *box.verticalScrollBar();
    QTextCursor end(box.document());
    for (int round = 0; round < 30; ++round) {
        {
            RichTextBox::Batch batch;
            for (int k = 0; k < 40; ++k) {
                append(QString(" line %1, %2").arg(round).arg(QString(k * 3, 'w')));
                if (k % 5 == 0)
                    box.setSelRTF(tall);
                append("\r\n");
            }
        }
        if (round == 20)
            box.resize(320, 500);
        QCoreApplication::processEvents();
        end.movePosition(QTextCursor::End);
        ASSERT_EQ(bar.value(), bar.maximum()) << round;
        ASSERT_TRUE(box.viewport()->rect().contains(box.cursorRect(end))) << round;
    }
}
