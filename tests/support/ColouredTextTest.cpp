// The coloured-text writer, read back run by run from a real rich text box.
#include "support/ColouredText.h"
#include "StandInWindows.h"
#include "fixtures/NamedRows.h"
#include "fixtures/PaneReading.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct Piece {
    QString text;
    quint32 colour;
    bool bold = false;
    bool underline = false;
    bool operator==(const Piece&) const = default;
};

void PrintTo(const Piece& run, std::ostream* out) {
    *out << '"' << run.text.toStdString() << "\" colour " << run.colour << (run.bold ? " bold" : "")
         << (run.underline ? " underline" : "");
}

quint32 rgb(int r, int g, int b) {
    return quint32(r + 256 * g + 65536 * b);
}

// The runs of the first line, neighbours of equal format joined.
std::vector<Piece> runsOf(const RichTextBox& box) {
    std::vector<Piece> runs;
    const QTextBlock block = box.document()->firstBlock();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        const QColor c = format.foreground().color();
        Piece run{it.fragment().text(), rgb(c.red(), c.green(), c.blue()), format.fontWeight() >= QFont::Bold,
                  format.fontUnderline()};
        if (!runs.empty() && runs.back().colour == run.colour && runs.back().bold == run.bold &&
            runs.back().underline == run.underline)
            runs.back().text += run.text;
        else
            runs.push_back(run);
    }
    return runs;
}

class ColouredTextTest : public testing::Test {
protected:
    StandInWindows windows;
    RichTextBox box;
    std::vector<Piece> write(const QString& text) {
        PutColouredText(box, text);
        return runsOf(box);
    }
};

const quint32 kBlack = 0, kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255);

// Texts with codes, and the runs of the line they write.
struct CodedText {
    const char* name;
    QString text;
    std::vector<Piece> runs;
};

const CodedText kCodedTexts[] = {
    {"Plain", "hello", {{" hello", kBlack}}},
    {"Colour", Chr3 + "4red" + Chr3 + " plain", {{" ", kBlack}, {"red", kRed}, {" plain", kBlack}}},
    {"ColourAndBackground", Chr3 + "12,4x", {{" ", kBlack}, {"x", kBlue}}},
    {"ColourAndCommaAlone", Chr3 + "4,x", {{" ", kBlack}, {"x", kRed}}},
    {"CommaWithoutColour", Chr3 + ",x", {{" ,x", kBlack}}},
    {"ThreeDigits", Chr3 + "123", {{" ", kBlack}, {"3", kBlue}}},
    {"ColourBeyondTheTable", Chr3 + "99a", {{" a", kBlack}}},
    {"ColourTen", Chr3 + "10a", {{" ", kBlack}, {"a", rgb(0, 148, 144)}}},
    {"Bold", Chr2 + "b" + Chr2 + "n", {{" ", kBlack}, {"b", kBlack, true}, {"n", kBlack}}},
    {"Chr15IsBold", Chr15 + "b" + Chr3 + "4x", {{" ", kBlack}, {"b", kBlack, true}, {"x", kRed, true}}},
    {"Underline", Chr31 + "u" + Chr31 + "v", {{" ", kBlack}, {"u", kBlack, false, true}, {"v", kBlack}}},
    {"ColourCodeBeforeAPunctuationMark", "end" + Chr3 + "!", {{" end!", kBlack}}},
    {"ColourCodeAtTheEnd", "end" + Chr3 + "4", {{" end", kBlack}}},
};

class CodedTextTest : public ColouredTextTest, public testing::WithParamInterface<CodedText> {};

TEST_P(CodedTextTest, CodesBecomeFormats) {
    EXPECT_EQ(write(GetParam().text), GetParam().runs) << GetParam().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, CodedTextTest, testing::ValuesIn(kCodedTexts), RowName());

TEST_F(ColouredTextTest, ALineIsABlankTheTextAndALineEnd) {
    PutColouredText(box, "one");
    PutColouredText(box, Chr3 + "4two");
    EXPECT_EQ(box.Text(), " one\n two\n");
    EXPECT_EQ(box.SelFontName(), G().FontName);
    EXPECT_EQ(box.SelFontSize(), G().FontSize);
    const QTextCharFormat plain = box.document()->firstBlock().begin().fragment().charFormat();
    EXPECT_FALSE(plain.fontWeight() >= QFont::Bold);
}

TEST_F(ColouredTextTest, TheSecondWriterKeepsChr15AsText) {
    AppendFormattedText(box, Chr15 + "x" + Chr3 + "4y");
    EXPECT_EQ(box.Text(), " " + Chr15 + "xy\n");
}

TEST_F(ColouredTextTest, ColourTablesAndSpecifications) {
    EXPECT_EQ(ColourIndexToRGB(0), rgb(255, 255, 255));
    EXPECT_EQ(ColourIndexToRGB(5), rgb(127, 0, 0));
    EXPECT_EQ(ColourIndexToRGB(16), 0u);
    EXPECT_EQ(ColourIndexToRGB(-1), 0u);
    EXPECT_EQ(RGBToColourIndex(0), 1);
    EXPECT_EQ(RGBToColourIndex(rgb(184, 184, 184)), 15);
    EXPECT_EQ(RGBToColourIndex(rgb(1, 2, 3)), 0);
    for (const char* spec : {"", "1", "12", "1,", "12,", "1,2", "12,3", "1,23", "12,34", ",1", ",12"})
        EXPECT_TRUE(IsColourSpec(spec)) << spec;
    for (const char* notSpec : {",", "123", "a", "1,2,", "12,345", "1 "})
        EXPECT_FALSE(IsColourSpec(notSpec)) << notSpec;
}

TEST_F(ColouredTextTest, InfoLinesGoToTheRoomPane) {
    ShowInfoLine("6 lines", 4); // a text starting with a digit lengthens the number
    EXPECT_EQ(windows.room.pane.Text(), "  lines\n");
    ShowInfoLine("ok", 3);
    EXPECT_TRUE(windows.room.pane.Text().endsWith(" ok\n"));
}

// A line of many coloured words is written run by run; the pane lays it out once,
// when it is whole, rather than again after every run (which made a long line
// cost the square of its length).
TEST(ColouredTextLayoutTest, ALineIsLaidOutOnceHoweverManyRunsItHas) {
    StandInWindows windows;
    RichTextBox box;
    box.resize(400, 200);
    box.show();
    QCoreApplication::processEvents();
    QString line;
    for (int k = 0; k < 500; ++k)
        line += Chr3 + QString::number(k % 16) + "word" + (k % 7 ? Chr2 : QString()) + " ";
    QSignalSpy layouts(box.document()->documentLayout(), &QAbstractTextDocumentLayout::update);
    PutColouredText(box, line);
    EXPECT_EQ(layouts.size(), 1);
    EXPECT_EQ(box.document()->blockCount(), 2);
    EXPECT_EQ(box.textLength(), 1 + 500 * 5 + 1);
}

TEST(WordAtPointTest, TheWordUnderThePointBetweenSeparators) {
    RichTextBox box;
    box.resize(600, 200);
    box.show();
    PutColouredText(box, "see (link) now");
    const QTextBlock line = box.document()->firstBlock();
    const auto twipsOf = [&](int position) {
        const QRect r = cursorRectAt(box, position);
        return QPointF(pixelsToTwips(r.center().x() + 2), pixelsToTwipsY(r.center().y()));
    };
    const int inLink = line.text().indexOf("link") + 2; // the point stands after "li"
    const QPointF point = twipsOf(inLink);
    EXPECT_EQ(WordAtPoint(box, point.x(), point.y()), "link");
    const QPointF onSee = twipsOf(line.text().indexOf("see") + 1);
    EXPECT_EQ(WordAtPoint(box, onSee.x(), onSee.y()), "see");
    EXPECT_EQ(WordAtPoint(box, -15000, -15000), "");
}

} // namespace
