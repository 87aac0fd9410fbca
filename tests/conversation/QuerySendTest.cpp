// The input line of an unconnected conversation window: the echo of a sent
// line, blank lines, and the history under the Up and Down keys.
#include "QueryFixture.h"

#include "chatroom/Channel.h"
#include "fixtures/NamedRows.h"
#include "support/ColouredText.h"

#include <QLineEdit>
#include <QTest>

namespace {

void type(Query& q, const QString& text) {
    QTest::keyClicks(q.DataOut, text);
    QTest::keyClick(q.DataOut, Qt::Key_Return);
}

// The room's style codes, and the look of the typed text they give the echo.
struct StyleCodes {
    const char* name;
    QString bold, underline, colour;
    QColor textColour;
    bool textBold, textUnderlined;
};

const StyleCodes kStyles[] = {
    {"ColourAlone", "", "", "4", QColor(255, 0, 0), false, false},
    {"BoldUnderlinedAndColour", Chr2, Chr31, "12", QColor(0, 0, 255), true, true},
};

class EchoStyleTest : public QueryTest, public testing::WithParamInterface<StyleCodes> {};

TEST_P(EchoStyleTest, CarriesTheRoomsStyleCodes) {
    const StyleCodes& c = GetParam();
    Query& q = open("bob");
    room().BoldCode = c.bold;
    room().UnderlineCode = c.underline;
    room().ColourCode = c.colour;
    type(q, "hello world");
    EXPECT_EQ(lastShownLine(*q.DataIn), " <me>  hello world");
    const QString text = q.DataIn->Text();
    const int nick = static_cast<int>(text.lastIndexOf("<me>"));
    const int typed = static_cast<int>(text.lastIndexOf("hello"));
    EXPECT_EQ(colourAt(*q.DataIn, nick), QColor(255, 0, 0));
    EXPECT_FALSE(formatAt(*q.DataIn, nick).font().bold());
    EXPECT_EQ(colourAt(*q.DataIn, typed), c.textColour) << c.colour.toStdString();
    EXPECT_EQ(formatAt(*q.DataIn, typed).font().bold(), c.textBold) << c.colour.toStdString();
    EXPECT_EQ(formatAt(*q.DataIn, typed).font().underline(), c.textUnderlined) << c.colour.toStdString();
    EXPECT_TRUE(q.DataOut->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, EchoStyleTest, testing::ValuesIn(kStyles), RowName());

TEST_F(QueryTest, TypedLineIsEchoedAsTyped) {
    Query& q = open("bob");
    room().ColourCode = "1";
    type(q, "  spaced out  ");
    EXPECT_EQ(lastShownLine(*q.DataIn), " <me>    spaced out  ");
    EXPECT_EQ(q.QueryHistory, QStringList{"  spaced out  "});
}

// Input lines that hold nothing to send.
struct BlankLine {
    const char* name;
    QString blanks;
};

const BlankLine kBlankLines[] = {{"Empty", QString()}, {"Blanks", "   "}};

class BlankLineTest : public QueryTest, public testing::WithParamInterface<BlankLine> {};

TEST_P(BlankLineTest, EnterSendsNothing) {
    const QString blanks = GetParam().blanks;
    Query& q = open("bob");
    const QString pane = q.DataIn->Text();
    q.DataOut->setText(blanks);
    QTest::keyClick(q.DataOut, Qt::Key_Return);
    EXPECT_EQ(q.DataIn->Text(), pane);
    EXPECT_EQ(q.DataOut->text(), blanks);
    EXPECT_TRUE(q.QueryHistory.isEmpty());
    EXPECT_EQ(q.QueryHistoryPos, 0);
}

INSTANTIATE_TEST_SUITE_P(, BlankLineTest, testing::ValuesIn(kBlankLines), RowName());

TEST_F(QueryTest, SendPictureSendsLikeEnter) {
    Query& q = open("bob");
    q.DataOut->setText("via picture");
    QTest::mouseClick(q.Image2, Qt::LeftButton);
    EXPECT_EQ(lastShownLine(*q.DataIn), " <me>  via picture");
    EXPECT_TRUE(q.DataOut->text().isEmpty());
}

TEST_F(QueryTest, KeysRestoreTheCaptionAndTheRoomsInputColour) {
    Query& q = open("bob");
    q.setWindowTitle("something else");
    QPalette roomInput = room().DataOut->palette();
    roomInput.setColor(QPalette::Text, QColor(10, 120, 30));
    room().DataOut->setPalette(roomInput);
    QTest::keyClick(q.DataOut, Qt::Key_X);
    EXPECT_EQ(q.windowTitle(), "bob");
    EXPECT_EQ(q.DataOut->palette().color(QPalette::Text), QColor(10, 120, 30));
}

TEST_F(QueryTest, HistoryKeepsThirtyOneLinesAndBeepsAtItsEnds) {
    Query& q = open("bob");
    QTest::keyClick(q.DataOut, Qt::Key_Up);
    EXPECT_EQ(beeps, 1); // nothing sent yet
    for (int k = 1; k <= 32; ++k)
        type(q, QString("line %1").arg(k));
    ASSERT_EQ(q.QueryHistory.size(), 31);
    EXPECT_EQ(q.QueryHistory.first(), "line 2");
    EXPECT_EQ(q.QueryHistoryPos, 32);

    QTest::keyClick(q.DataOut, Qt::Key_Up);
    EXPECT_EQ(q.DataOut->text(), "line 32");
    QTest::keyClick(q.DataOut, Qt::Key_Down);
    EXPECT_EQ(beeps, 2); // already at the newest: Down never empties the line
    EXPECT_EQ(q.DataOut->text(), "line 32");
    for (int k = 0; k < 30; ++k)
        QTest::keyClick(q.DataOut, Qt::Key_Up);
    EXPECT_EQ(q.DataOut->text(), "line 2");
    EXPECT_EQ(beeps, 2);
    QTest::keyClick(q.DataOut, Qt::Key_Up);
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(q.DataOut->text(), "line 2");
    QTest::keyClick(q.DataOut, Qt::Key_Down);
    EXPECT_EQ(q.DataOut->text(), "line 3");
}

TEST_F(QueryTest, HistoryFollowsTheConfiguredLength) {
    G().MaxTextHistory = 2;
    Query& q = open("bob");
    for (const char* line : {"a", "b", "c", "d"})
        q.DoHistory(line);
    EXPECT_EQ(q.QueryHistory, (QStringList{"b", "c", "d"}));
    EXPECT_EQ(q.QueryHistoryPos, 4);
}

} // namespace
