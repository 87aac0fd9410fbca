#include "RichTextBoxFixture.h"

#include "fixtures/NamedRows.h"
#include "fixtures/Wait.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <tuple>
#include <utility>

namespace {

constexpr quint32 kRed = 0x0000FF; // red + 256 * green + 65536 * blue
constexpr quint32 kBlue = 0xFF0000;

using RichTextBoxText = ShownRichTextBox;

TEST_F(RichTextBoxText, AppendedRunsKeepTheirFormatsWhileTheUserSelectsElsewhere) {
    append("first line\n");
    userSelects(2, 7);

    const int start = box.textLength();
    box.setSelStart(start);
    box.setSelColor(kRed);
    box.setSelText("red");
    box.setSelColor(kBlue);
    box.setSelBold(true);
    box.setSelText("bold");
    box.setSelBold(false);
    box.setSelUnderline(true);
    box.setSelText("under");

    EXPECT_EQ(box.Text(), "first line\nredboldunder");
    EXPECT_EQ(formatAt(box, start).foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatAt(box, start).font().bold());
    EXPECT_EQ(formatAt(box, start + 3).foreground().color(), QColor(0, 0, 255));
    EXPECT_TRUE(formatAt(box, start + 3).font().bold());
    EXPECT_TRUE(formatAt(box, start + 7).fontUnderline());
    EXPECT_FALSE(formatAt(box, start + 7).font().bold());
    EXPECT_FALSE(formatAt(box, 2).font().bold()) << "the user's selection is not what was formatted";

    EXPECT_EQ(box.textCursor().anchor(), 2);
    EXPECT_EQ(box.textCursor().position(), 7);
}

TEST_F(RichTextBoxText, TheUsersSelectionBecomesTheControlsSelection) {
    append("hello world");
    userSelects(6, 11);
    EXPECT_EQ(box.SelStart(), 6);
    EXPECT_EQ(box.SelLength(), 5);
    EXPECT_EQ(box.SelText(), "world");

    // With the mouse: press at the start, drag to the end of the word.
    const QPoint from = box.cursorRect(QTextCursor(box.document())).center();
    QTextCursor end(box.document());
    end.setPosition(5);
    const QPoint to = box.cursorRect(end).center();
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(box.viewport(), to);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 5);
}

TEST_F(RichTextBoxText, WritingThroughTheSelPropertiesLeavesTheVisibleSelectionAlone) {
    append("abcdef");
    userSelects(1, 3);
    box.setSelStart(4);
    box.setSelLength(2);
    box.setSelText("XY");
    box.setSelStart(0);
    box.setSelLength(1);
    box.setSelColor(kRed);
    EXPECT_EQ(box.Text(), "abcdXY");
    EXPECT_EQ(box.textCursor().anchor(), 1);
    EXPECT_EQ(box.textCursor().position(), 3);
}

TEST_F(RichTextBoxText, FormatSetWithNothingSelectedAppliesOnlyToWhatIsInsertedAfter) {
    append("plain");
    box.setSelBold(true);
    box.setSelColor(kRed);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.SelColor(), kRed);
    EXPECT_FALSE(formatAt(box, 4).font().bold());
    EXPECT_NE(formatAt(box, 4).foreground().color(), QColor(255, 0, 0));

    append("bold");
    EXPECT_TRUE(formatAt(box, 5).font().bold());
    EXPECT_EQ(formatAt(box, 8).foreground().color(), QColor(255, 0, 0));
}

TEST_F(RichTextBoxText, FormatSetWithASelectionAppliesToItAndToWhatFollows) {
    append("one two");
    box.setSelStart(4);
    box.setSelLength(3);
    box.setSelUnderline(true);
    box.setSelFontSize(20);
    EXPECT_FALSE(formatAt(box, 3).fontUnderline());
    EXPECT_TRUE(formatAt(box, 4).fontUnderline());
    EXPECT_EQ(formatAt(box, 6).fontPointSize(), 20);
    EXPECT_EQ(formatAt(box, 4).foreground().color(), formatAt(box, 0).foreground().color())
        << "only underline and size merged";

    append("!");
    EXPECT_TRUE(formatAt(box, 7).fontUnderline());
    EXPECT_EQ(box.SelFontSize(), 20);
}

// Reverse on a dark and on a light colour: the text takes the colour that reads on it.
struct ReverseColour {
    const char* name;
    quint32 colour;
    QColor foreground;
};

const ReverseColour kReverseColours[] = {{"Dark", kBlue, QColor(Qt::white)},
                                         {"Light", 0x00FFFFu, QColor(Qt::black)}};

class ReverseTest : public RichTextBoxText, public testing::WithParamInterface<ReverseColour> {};

TEST_P(ReverseTest, ShowsTheColourBehindReadableText) {
    const auto [name, colour, foreground] = GetParam();
    box.setSelColor(colour);
    box.setSelReverse(true);
    append("x");
    EXPECT_EQ(formatAt(box, 0).background().color(),
              QColor::fromRgb(colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16));
    EXPECT_EQ(formatAt(box, 0).foreground().color(), foreground);
    box.setSelReverse(false);
    append("y");
    EXPECT_EQ(formatAt(box, 1).background().style(), Qt::NoBrush);
}

INSTANTIATE_TEST_SUITE_P(, ReverseTest, testing::ValuesIn(kReverseColours), RowName());

TEST_F(RichTextBoxText, FontNameAndSizeApplyToInsertedText) {
    box.setSelFontName("DejaVu Sans Mono");
    box.setSelFontSize(14);
    append("mono");
    EXPECT_EQ(box.SelFontName(), "DejaVu Sans Mono");
    EXPECT_EQ(formatAt(box, 0).fontFamilies().toStringList(), QStringList{"DejaVu Sans Mono"});
    EXPECT_EQ(formatAt(box, 0).fontPointSize(), 14);
}

// Line breaks as written, between "<" and ">", and the text they leave.
struct LineBreak {
    const char* name;
    QString written;
    QString text;
};

const LineBreak kLineBreaks[] = {
    {"CrLf", "a\r\nb", "a\nb"},
    {"Cr", "a\rb", "a\nb"},
    {"Lf", "a\nb", "a\nb"},
    {"LfCr", "a\n\rb", "a\n\nb"},
    {"TwoCrLf", "a\r\n\r\nb", "a\n\nb"},
    {"CrLfAlone", "\r\n", "\n"},
    {"CrAtTheEnd", "a\r", "a\n"},
    {"EveryKind", "x\r\ny\rz\nw", "x\ny\nz\nw"},
};

class LineBreakTest : public RichTextBoxText, public testing::WithParamInterface<LineBreak> {};

TEST_P(LineBreakTest, BecomesOneBreak) {
    const LineBreak& c = GetParam();
    append("<");
    append(c.written);
    append(">");
    const QString expected = "<" + c.text + ">";
    EXPECT_EQ(box.Text(), expected) << c.written.toStdString();
    EXPECT_EQ(box.textLength(), expected.size());
    EXPECT_EQ(box.document()->blockCount(), expected.count('\n') + 1);
    EXPECT_EQ(box.textRange(0, box.textLength()), expected);
}

INSTANTIATE_TEST_SUITE_P(, LineBreakTest, testing::ValuesIn(kLineBreaks), RowName());

TEST_F(RichTextBoxText, SelTextReplacesTheSelectionAndLeavesTheCursorAfterIt) {
    append("hello world");
    box.setSelStart(6);
    box.setSelLength(5);
    box.setSelText("there\r\nfriend");
    EXPECT_EQ(box.Text(), "hello there\nfriend");
    EXPECT_EQ(box.SelStart(), 18);
    EXPECT_EQ(box.SelLength(), 0);
    box.setSelText("!");
    EXPECT_EQ(box.Text(), "hello there\nfriend!");
}

// Ranges of the text "ab\ncd", in and out of it.
struct Range {
    const char* name;
    int start, length;
    QString range;
};

const Range kRanges[] = {
    {"Start", 0, 2, "ab"},         {"AcrossTheBreak", 1, 3, "b\nc"},
    {"PastTheEnd", 3, 99, "cd"},   {"NegativeStart", -5, 2, "ab"},
    {"StartPastTheEnd", 9, 2, ""}, {"NegativeLength", 2, -1, ""},
    {"Empty", 0, 0, ""},           {"HugeLength", 4, 2147483647, "d"},
};

class TextRangeTest : public RichTextBoxText, public testing::WithParamInterface<Range> {};

TEST_P(TextRangeTest, IsClippedToTheText) {
    const Range& c = GetParam();
    append("ab\r\ncd");
    EXPECT_EQ(box.textRange(c.start, c.length), c.range) << c.start << "," << c.length;
}

INSTANTIATE_TEST_SUITE_P(, TextRangeTest, testing::ValuesIn(kRanges), RowName());

TEST_F(RichTextBoxText, SelectionsAreClippedToTheText) {
    append("ab\r\ncd");
    box.setSelStart(99);
    EXPECT_EQ(box.SelStart(), 5);
    box.setSelStart(3);
    box.setSelLength(99);
    EXPECT_EQ(box.SelLength(), 2);
    EXPECT_EQ(box.SelText(), "cd");
    box.setSelStart(-1);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST_F(RichTextBoxText, SetTextReplacesEverything) {
    append("old\nlines\n");
    box.setText("new\r\ntext");
    EXPECT_EQ(box.Text(), "new\ntext");
    box.setText("");
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(box.textLength(), 0);
    EXPECT_EQ(box.document()->blockCount(), 1);
}

TEST_F(RichTextBoxText, MarkupInTextIsShownAsItIs) {
    const QString text = "<b>not bold</b> &amp; *nor this*";
    append(text);
    EXPECT_EQ(box.Text(), text);
    EXPECT_FALSE(formatAt(box, 4).font().bold());
}

TEST_F(RichTextBoxText, ChangeReportsEachTextChangeButNotFormatting) {
    append("abc");
    QSignalSpy changes(&box, &RichTextBox::Change);
    append("de");
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0][0].toInt(), 3);
    EXPECT_EQ(changes[0][2].toInt() - changes[0][1].toInt(), 2) << "grew by two characters";

    box.setSelStart(0);
    box.setSelLength(2);
    box.setSelBold(true);
    EXPECT_EQ(changes.size(), 1);
    box.setSelText("");
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[1][1].toInt() - changes[1][2].toInt(), 2) << "shrank by two";
}

TEST_F(RichTextBoxText, StaysAtTheBottomWhenItWasThereAndPutWhenScrolledUp) {
    // The scroll range grows once the new lines are laid out; the view follows
    // (or keeps its place) as the range changes.
    QScrollBar* bar = box.verticalScrollBar();
    for (int k = 0; k < 100; ++k)
        append(QString("line %1\n").arg(k));
    waitUntil([&] { return bar->maximum() > 0; });
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    const int first = bar->maximum();
    for (int k = 0; k < 20; ++k)
        append(QString("more %1\n").arg(k));
    waitUntil([&] { return bar->maximum() > first; });
    EXPECT_EQ(bar->value(), bar->maximum()) << "followed the new lines";

    bar->setValue(bar->maximum() / 2);
    const int reading = bar->value();
    const int before = bar->maximum();
    for (int k = 0; k < 20; ++k)
        append(QString("later %1\n").arg(k));
    waitUntil([&] { return bar->maximum() > before; });
    EXPECT_GT(bar->maximum(), before);
    EXPECT_EQ(bar->value(), reading) << "the user's place is kept";
}

// The length is kept as edits happen rather than asked of the document: it must
// agree with the document after every kind of edit, ours, the user's and the
// document's own.
TEST_F(RichTextBoxText, TheLengthFollowsEveryKindOfEdit) {
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"append", [&] { append("hello\r\nworld"); }},
        {"insert in the middle",
         [&] {
             box.setSelStart(3);
             box.setSelText("--\r\n--");
         }},
        {"replace a selection",
         [&] {
             box.setSelStart(1);
             box.setSelLength(6);
             box.setSelText("x");
         }},
        {"remove a selection",
         [&] {
             box.setSelStart(0);
             box.setSelLength(2);
             box.setSelText("");
         }},
        {"set the text", [&] { box.setText("one\ntwo\nthree"); }},
        {"the user types",
         [&] {
             box.setReadOnly(false);
             box.setFocus();
             QTest::keyClicks(&box, "typed");
             QTest::keyClick(&box, Qt::Key_Return);
             QTest::keyClick(&box, Qt::Key_Backspace);
             box.setReadOnly(true);
         }},
        {"old lines leave",
         [&] {
             RichTextBox::Batch batch;
             for (int k = 0; k < RichTextBox::kScrollbackLines; ++k)
                 append("line\r\n");
         }},
        {"the document is cleared", [&] { box.document()->clear(); }},
        {"the document is set", [&] { box.document()->setPlainText("plain\ntext"); }},
        {"empty", [&] { box.setText(""); }},
    };
    for (const auto& [what, edit] : edits) {
        edit();
        EXPECT_EQ(box.textLength(), box.document()->characterCount() - 1) << what;
        EXPECT_EQ(box.textLength(), box.Text().size()) << what;
    }
}

} // namespace
