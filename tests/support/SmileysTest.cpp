#include "support/Smileys.h"

#include "fixtures/NamedRows.h"
#include "fixtures/PaneReading.h"
#include "platform/Metafile.h"
#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextImageFormat>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Pictures are written as one private-use character per smiley, in the pane's
// text and in the expected text alike.
QChar pictureMark(int tableOrdinal) {
    return QChar(char16_t(0xE000 + tableOrdinal));
}

int ordinalOfIndex(int index) {
    const std::vector<Smiley>& table = SmileyTable();
    for (std::size_t k = 0; k < table.size(); ++k)
        if (table[k].index == index)
            return int(k);
    return -1;
}

// For failure messages: each picture as its code in brackets.
std::string readable(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const int ordinal = c.unicode() - pictureMark(0).unicode();
        const bool mark = ordinal >= 0 && ordinal < int(SmileyTable().size());
        out += mark ? "[" + SmileyTable()[ordinal].code + "]" : QString(c);
    }
    return out.toStdString();
}

// The pictures as a pane shows them: through the metafile, on white.
const std::vector<QImage>& shownPictures() {
    static const std::vector<QImage> pictures = [] {
        std::vector<QImage> shown;
        for (const Smiley& smiley : SmileyTable())
            shown.push_back(readBitmapMetafile(writeBitmapMetafile(smiley.picture)));
        return shown;
    }();
    return pictures;
}

// The rule as the program states it, on the whole text: lowest index first, at
// its first occurrence, not when that is the first character; after each
// replacement the scan starts over.
bool replaceFirstCode(QString& text) {
    const std::vector<Smiley>& table = SmileyTable();
    for (std::size_t k = 0; k < table.size(); ++k) {
        const qsizetype p = text.indexOf(table[k].code);
        if (p > 0) {
            text.replace(p, table[k].code.size(), pictureMark(int(k)));
            return true;
        }
    }
    return false;
}

void applyWholeTextRule(QString& text) {
    while (replaceFirstCode(text)) {
    }
}

// A pane driven the way the windows drive it, with codes replaced after every
// change, next to a plain string driven by the whole-text rule.
class SmileyPane : public ::testing::Test {
protected:
    void SetUp() override {
        box.resize(400, 300);
        box.show();
        QCoreApplication::processEvents();
        QObject::connect(&box, &RichTextBox::Change,
                         [this](int position, int, int added) { replaceSmileyCodes(box, position, added); });
    }

    void append(const QString& run) {
        box.setSelStart(box.textLength());
        box.setSelText(run);
        changed([&run](QString& text) { text += QString(run).replace("\r\n", "\n"); });
    }

    void remove(int position, int length) {
        box.setSelStart(position);
        box.setSelLength(length);
        box.setSelText("");
        changed([=](QString& text) { text.remove(position, length); });
    }

    void insert(int position, const QString& run) {
        box.setSelStart(position);
        box.setSelText(run);
        changed([&](QString& text) { text.insert(position, run); });
    }

    void setText(const QString& text) {
        box.setText(text);
        changed([&text](QString& expectedText) { expectedText = text; });
    }

    // Writes inside a batch are reported one by one as they are outside it;
    // only the layout waits for the batch to close.
    void inBatch(const std::function<void()>& writes) {
        RichTextBox::Batch batch;
        writes();
    }

    // The pane's text with each picture shown as its code in brackets.
    std::string shown() { return readable(marked()); }

    // Exact, with pictures as marks; the message shows them as codes.
    ::testing::AssertionResult showsWhatTheRuleGives() {
        if (marked() == expected)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "shown:    " << readable(marked()) << "\nexpected: " << readable(expected);
    }

    RichTextBox box;
    QString expected;

private:
    // The pane's text with each picture as the mark of the smiley it shows.
    QString marked() {
        QString text = box.Text();
        for (qsizetype at = text.indexOf(QChar::ObjectReplacementCharacter); at >= 0;
             at = text.indexOf(QChar::ObjectReplacementCharacter, at + 1))
            text[at] = pictureMark(ordinalOfPictureAt(int(at)));
        return text;
    }

    void changed(const std::function<void(QString&)>& edit) {
        edit(expected);
        applyWholeTextRule(expected);
    }

    int ordinalOfPictureAt(int position) {
        const QString name = formatAt(box, position).toImageFormat().name();
        const auto known = ordinalOfPictureName.constFind(name);
        if (known != ordinalOfPictureName.constEnd())
            return *known;
        const QImage image =
            box.document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        const auto found = std::find(shownPictures().begin(), shownPictures().end(), image);
        const int ordinal = found == shownPictures().end() ? -1 : int(found - shownPictures().begin());
        return ordinalOfPictureName[name] = ordinal;
    }

    QHash<QString, int> ordinalOfPictureName;
};

// ---- generated chat ---------------------------------------------------------------

QStringList chatPieces() {
    QStringList pieces = {"hello", "ok", "so",  "p",  "o",  "B",  "x",  ":",  ")", "(",
                          ";",     "-",  "8",   "=",  "\"", "[",  ">",  "<",  "~", "#",
                          "@",     "a:", "1:2", "?!", "(b", "br", "ps", "o-", " "};
    for (const Smiley& smiley : SmileyTable()) {
        pieces << smiley.code;
        for (qsizetype cut = 1; cut < smiley.code.size(); ++cut)
            pieces << smiley.code.left(cut) << smiley.code.mid(cut);
    }
    return pieces;
}

// A room line as the windows write it: a space, coloured pieces, a line break.
// Pieces often run together, so codes form across runs and from fragments.
QStringList chatLine(QRandomGenerator& random, const QStringList& pieces) {
    QStringList runs = {" "};
    const int runCount = 1 + random.bounded(4);
    for (int k = 0; k < runCount; ++k) {
        QString run;
        const int pieceCount = 1 + random.bounded(3);
        for (int n = 0; n < pieceCount; ++n)
            run += pieces[random.bounded(int(pieces.size()))] + (random.bounded(3) == 0 ? " " : "");
        runs << run;
    }
    runs << (random.bounded(2) == 0 ? "\r\n" : "\n");
    return runs;
}

TEST(SmileysTest, TableIsInIndexOrderWithItsOwnPictureForEachCode) {
    const std::vector<Smiley>& table = SmileyTable();
    ASSERT_FALSE(table.empty());
    QSet<QString> codes;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const Smiley& smiley = table[k];
        SCOPED_TRACE(smiley.code.toStdString());
        if (k > 0) {
            EXPECT_LT(table[k - 1].index, smiley.index) << "codes are tried in index order";
        }
        EXPECT_FALSE(codes.contains(smiley.code));
        codes.insert(smiley.code);
        EXPECT_EQ(smiley.toolTip, smiley.index == 83 ? QString() : smiley.code);
        ASSERT_FALSE(smiley.picture.isNull());
        QImage blank(smiley.picture.size(), smiley.picture.format());
        blank.fill(Qt::transparent);
        EXPECT_NE(smiley.picture, blank);
        for (std::size_t other = 0; other < k; ++other)
            EXPECT_NE(table[other].picture, smiley.picture)
                << "same picture as " << table[other].code.toStdString();
    }
}

// Smileys by their index in the picker, and the size of their cells there.
struct CellSize {
    const char* name;
    int index;
    QSize size;
};

const CellSize kCellSizes[] = {
    {"Index0", 0, {18, 18}},   {"Index86", 86, {18, 18}}, {"Index89", 89, {18, 18}},
    {"Index16", 16, {69, 16}}, {"Index64", 64, {57, 15}}, {"Index58", 58, {42, 18}},
    {"Index78", 78, {33, 18}}, {"Index80", 80, {32, 18}}, {"Index65", 65, {30, 18}},
};

class CellSizeTest : public testing::TestWithParam<CellSize> {};

TEST_P(CellSizeTest, ThePictureHasTheSizeOfItsCellInThePicker) {
    const CellSize& c = GetParam();
    EXPECT_EQ(SmileyTable()[ordinalOfIndex(c.index)].picture.size(), c.size) << c.index;
}

INSTANTIATE_TEST_SUITE_P(, CellSizeTest, testing::ValuesIn(kCellSizes), RowName());

// Runs written into a pane, and the pane with its pictures shown as [code].
struct WrittenRuns {
    const char* name;
    QStringList runs;
    std::string shown;
};

const WrittenRuns kCodesInRuns[] = {
    {"InALine", {"a :) b"}, "a [:)] b"},
    {"TheLongerCodeFirst", {" :))"}, " [:))]"},
    {"TheLowerIndexFirst", {" ;))"}, " [;)])"},
    {"ACodeInsideALaterOne", {" ;;) \\:D/"}, " ;[;)] \\[:D]/"},
    {"SplitAcrossRuns", {" :", ")"}, " [:)]"},
    {"SplitInThree", {" a:", "-", "\"", " b"}, " a[:-\"] b"},
    {"SplitBeforeALastCharacter", {" :-", "w :-", "& o-", "+"}, " [:-w] [:-&] [o-+]"},
    {"TwiceInALine", {" :) and :)\r\n"}, " [:)] and [:)]\n"},
    {"OnTheNextLine", {" x\r\n", ":(("}, " x\n[:((]"},
    {"ExactCase", {" :d :p (k) (K)"}, " :d :p (k) [(K)]"},
    {"APictureDoesNotJoinItsNeighbours", {" x:", ";)", ")"}, " x:[;)])"},
};

class CodesInRunsTest : public SmileyPane, public testing::WithParamInterface<WrittenRuns> {};

TEST_P(CodesInRunsTest, BecomePicturesAsTheProgramReplacesThem) {
    const WrittenRuns& c = GetParam();
    for (const QString& run : c.runs) {
        box.setSelStart(box.textLength());
        box.setSelText(run);
    }
    EXPECT_EQ(shown(), c.shown) << c.name;
}

INSTANTIATE_TEST_SUITE_P(, CodesInRunsTest, testing::ValuesIn(kCodesInRuns), RowName());

TEST_F(SmileyPane, ACodeAtTheFirstCharacterStaysTextAndSoDoItsCopiesUntilItGoes) {
    append(":) hi :)");
    EXPECT_EQ(shown(), ":) hi :)");
    append(" :D :)");
    EXPECT_EQ(shown(), ":) hi :) [:D] :)") << "other codes are still replaced";

    remove(0, 1); // as the topic box does
    EXPECT_EQ(shown(), ") hi [:)] [:D] [:)]");

    setText(";) a ;)");
    EXPECT_EQ(shown(), ";) a ;)");
    insert(0, " ");
    EXPECT_EQ(shown(), " [;)] a [;)]") << "no longer the first character";
}

TEST_F(SmileyPane, EditsInTheMiddleAreLookedAtToo) {
    append(" a:x) b");
    remove(3, 1);
    EXPECT_EQ(shown(), " a[:)] b");

    append(" 8| c");
    insert(box.textLength() - 3, "-");
    EXPECT_EQ(shown(), " a[:)] b [8-|] c");

    setText("");
    append(":");
    append(")");
    EXPECT_EQ(shown(), ":)") << "the first character again";
    EXPECT_TRUE(showsWhatTheRuleGives());
}

TEST_F(SmileyPane, ReplacementsMatchTheWholeTextRuleOverGeneratedChat) {
    const QStringList pieces = chatPieces();
    for (quint32 seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        QRandomGenerator random(seed);
        setText("");
        if (seed % 3 == 0)
            append(SmileyTable()[random.bounded(int(SmileyTable().size()))].code); // a code begins the pane
        for (int line = 0; line < 30; ++line) {
            const QStringList runs = chatLine(random, pieces);
            const auto writeLine = [&] {
                for (const QString& run : runs) {
                    box.setSelColor(random.generate() & 0xFFFFFF);
                    append(run);
                }
            };
            if (seed % 4 == 1)
                inBatch(writeLine); // as received chunks are
            else
                writeLine();
            if (seed % 3 == 0 && line % 10 == 9 && box.textLength() > 0)
                remove(0, 1);
            ASSERT_TRUE(showsWhatTheRuleGives()) << "line " << line;
        }
    }
}

// Codes packed together from the first character on, written in one change: a
// replacement near the start can free the copies of the code the text began with.
TEST_F(SmileyPane, PanesBeginningWithCodesMatchTheWholeTextRule) {
    const QStringList pieces = chatPieces();
    QRandomGenerator random(7);
    for (int pane = 0; pane < 1500; ++pane) {
        QString text = SmileyTable()[random.bounded(int(SmileyTable().size()))].code;
        for (int k = random.bounded(2, 8); k > 0; --k)
            text += pieces[random.bounded(int(pieces.size()))];
        setText(text);
        ASSERT_TRUE(showsWhatTheRuleGives()) << text.toStdString();
        remove(0, 1);
        ASSERT_TRUE(showsWhatTheRuleGives()) << text.toStdString() << " without its first character";
    }
}

TEST_F(SmileyPane, RemovingCodesThatFrameOthersMatchesTheWholeTextRule) {
    const QString patterns[] = {" ::))",   " :;))",   " ;:))",    " :(:))",  " 8-8-||",  " [-[-((",
                                " :-:-//", " =D=D>>", " (:(:||)", " ~o~o))", " :-S:-SS", " ^:)^:)^^"};
    for (const QString& pattern : patterns) {
        SCOPED_TRACE(pattern.toStdString());
        setText("");
        append(pattern);
        EXPECT_TRUE(showsWhatTheRuleGives());
        for (int cut = 1; cut < pattern.size(); ++cut) { // the same, written in two runs
            setText("");
            append(pattern.left(cut));
            append(pattern.mid(cut));
            EXPECT_TRUE(showsWhatTheRuleGives()) << "cut at " << cut;
        }
    }
}

// A line of thousands of codes, as a hostile server sends it: four times as long
// costs at most a little more than four times the work, pictures included.
struct LongLine {
    const char* name;
    QString unit;        // repeated to make the line
    int picturesPerUnit; // what the whole-text rule makes of it
    int runLength;       // the line is written in runs this long; 0 for one run
};

const LongLine kLongLines[] = {
    {"CodesSideBySide", ":)", 1, 0},
    {"CodesThatCutEachOther", ";))", 1, 0},
    {"WordsAndCodes", " hi :D there (beer) ", 2, 0},
    {"CodesSplitAcrossManyRuns", "a:-&b:(", 2, 5},
};

class LongLineTest : public SmileyPane, public testing::WithParamInterface<LongLine> {
protected:
    // As the coloured-text writer writes a line: its runs in one batch.
    qint64 write(const QString& line, int runLength) {
        setText(" ");
        const qint64 before = smileyReplacementWork();
        RichTextBox::Batch batch;
        for (qsizetype at = 0; at<line.size(); at += runLength> 0 ? runLength : line.size()) {
            box.setSelStart(box.textLength());
            box.setSelText(line.mid(at, runLength > 0 ? runLength : -1));
        }
        return smileyReplacementWork() - before;
    }
};

TEST_P(LongLineTest, ReplacingItsCodesCostsWorkInProportionToItsLength) {
    const LongLine& c = GetParam();
    append(c.unit.repeated(40));
    ASSERT_TRUE(showsWhatTheRuleGives());

    constexpr int kUnits = 1500;
    const qint64 shortWork = write(c.unit.repeated(kUnits), c.runLength);
    EXPECT_EQ(box.Text().count(QChar::ObjectReplacementCharacter), kUnits * c.picturesPerUnit);
    const qint64 longWork = write(c.unit.repeated(4 * kUnits), c.runLength);
    EXPECT_EQ(box.Text().count(QChar::ObjectReplacementCharacter), 4 * kUnits * c.picturesPerUnit);
    EXPECT_LE(longWork, 9 * shortWork / 2) << shortWork << " then " << longWork;
}

INSTANTIATE_TEST_SUITE_P(, LongLineTest, testing::ValuesIn(kLongLines), RowName());

// A long line of codes written by itself, outside any batch: its pictures go in
// together and the line is laid out once, not once per picture.
TEST_F(SmileyPane, ThePicturesOfOneWriteAreLaidOutTogether) {
    QSignalSpy layouts(box.document()->documentLayout(), &QAbstractTextDocumentLayout::update);
    box.setSelText(" " + QString(":)").repeated(1000) + " and " + QString(";)").repeated(1000));
    EXPECT_EQ(box.Text().count(QChar::ObjectReplacementCharacter), 2000);
    EXPECT_LE(layouts.size(), 2) << "the line as written, then with its pictures";
}

} // namespace
