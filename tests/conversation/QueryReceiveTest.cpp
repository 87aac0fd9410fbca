// Incoming lines in the conversation pane, and the unread mark they leave.
#include "QueryFixture.h"

#include "fixtures/NamedRows.h"
#include "fixtures/TestProgram.h"
#include "support/ColouredText.h"
#include "support/StandInWindows.h"
#include "support/Windows.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

// A room window that counts the sound requests: a sound is asked for by
// checking the room's sound option.
class SoundCountingRoom : public StandInRoom {
public:
    bool PrivateChatSoundOn() const override {
        ++soundRequests;
        return false;
    }
    mutable int soundRequests = 0;
};

class QueryReceiveTest : public QueryTest {
protected:
    void SetUp() override {
        QueryTest::SetUp();
        Windows::setRoomLoader([this]() -> RoomWindow& { return sounds; });
    }
    void TearDown() override {
        QueryTest::TearDown();
        registerTestedWindows();
    }
    SoundCountingRoom sounds;
};

QColor rgb(int number) {
    const quint32 value = ColourIndexToRGB(number);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Texts from the correspondent: what the pane shows of each, in which colour.
struct ReceivedText {
    const char* name;
    QString text;
    QString shown; // "" : nothing shown
    int colour;    // of the line's first visible character
};

const ReceivedText kReceivedTexts[] = {
    {"Action", Chr1 + "ACTION waves" + Chr1, " bob waves", 6},
    {"ActionWithoutItsEnd", Chr1 + "ACTION waves", " bob wave", 6}, // the last character goes, whatever it is
    {"TextWithBlanks", "  hello  ", " <bob>   hello",
     12}, // trailing blanks trimmed, leading ones kept after the codes
    {"Version", Chr1 + "VERSION" + Chr1, "", 0},
    {"VersionWithMore", Chr1 + "VERSION" + Chr1 + "extra", "", 0},
    {"VersionInLowerCase", Chr1 + "version" + Chr1, " <bob> " + Chr1 + "version" + Chr1, 12},
};

class ReceivedTextTest : public QueryReceiveTest, public testing::WithParamInterface<ReceivedText> {};

TEST_P(ReceivedTextTest, PutTextShowsActionsAndTextAndAnswersVersion) {
    const ReceivedText& c = GetParam();
    Query& q = open("bob");
    const int before = static_cast<int>(shownLines(*q.DataIn).size());
    sounds.soundRequests = 0;
    q.UnreadFlag = 0;
    q.PutText("bob", c.text);
    EXPECT_EQ(sounds.soundRequests, 1) << c.text.toStdString();
    EXPECT_EQ(q.UnreadFlag, 1) << c.text.toStdString();
    if (c.shown.isEmpty()) {
        EXPECT_EQ(shownLines(*q.DataIn).size(), before) << c.text.toStdString();
        return;
    }
    EXPECT_EQ(lastShownLine(*q.DataIn), c.shown);
    const int lineStart = static_cast<int>(q.DataIn->Text().lastIndexOf(c.shown));
    EXPECT_EQ(colourAt(*q.DataIn, lineStart + 1), rgb(c.colour)) << c.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, ReceivedTextTest, testing::ValuesIn(kReceivedTexts), RowName());

TEST_F(QueryReceiveTest, OrdinaryTextIsBlackAfterTheBlueNick) {
    Query& q = open("bob");
    q.PutText("bob", "plain words");
    const int at = static_cast<int>(q.DataIn->Text().lastIndexOf("plain"));
    EXPECT_EQ(colourAt(*q.DataIn, at), rgb(1));
}

TEST_F(QueryReceiveTest, NetworkTextIsNeverMarkup) {
    Query& q = open("bob");
    q.PutText("bob", "<b>bold</b> &amp;");
    EXPECT_EQ(lastShownLine(*q.DataIn), " <bob> <b>bold</b> &amp;");
}

TEST_F(QueryReceiveTest, IdenticalSmileyCodesBothBecomePictures) {
    Query& q = open("bob");
    q.PutText("bob", "hi :) and :) again");
    const QString picture(QChar(0xFFFC));
    EXPECT_EQ(lastShownLine(*q.DataIn), " <bob> hi " + picture + " and " + picture + " again");
}

TEST_F(QueryTest, FormLoadWritesTheHeaderLine) {
    Query& q = open("bob");
    ASSERT_EQ(shownLines(*q.DataIn).size(), 1);
    EXPECT_TRUE(shownLines(*q.DataIn).first().startsWith(" Chat Started On "))
        << shownLines(*q.DataIn).first().toStdString();
    EXPECT_TRUE(QRegularExpression(" - \\d\\d:\\d\\d$").match(shownLines(*q.DataIn).first()).hasMatch());
    EXPECT_EQ(colourAt(*q.DataIn, 1), QColor(0, 127, 0));
}

void moveMouseOver(QWidget* widget) {
    const QPoint at = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// The ways the user touches a conversation window.
struct Touch {
    const char* name;
    void (*touch)(Query& q);
};

const Touch kTouches[] = {
    {"MouseOverTheForm", [](Query& q) { moveMouseOver(q.centralWidget()); }},
    {"MouseOverTheInputLine", [](Query& q) { moveMouseOver(q.DataOut); }},
    {"MouseOverTheSendPicture", [](Query& q) { moveMouseOver(q.Image2); }},
    {"MouseOverThePane", [](Query& q) { moveMouseOver(q.DataIn->viewport()); }},
    {"AKeyInTheInputLine", [](Query& q) { QTest::keyClick(q.DataOut, Qt::Key_A); }},
    {"FocusOnTheWindow",
     [](Query& q) {
         QFocusEvent focus(QEvent::FocusIn);
         QCoreApplication::sendEvent(&q, &focus);
     }},
};

class TouchTest : public QueryTest, public testing::WithParamInterface<Touch> {};

TEST_P(TouchTest, EndsTheFlashing) {
    const auto [name, touch] = GetParam();
    Query& q = open("bob");
    QSignalSpy flashes(&q, &Query::Flashed);
    EXPECT_EQ(q.flsh.interval(), 500);
    EXPECT_TRUE(q.flsh.isActive());
    q.flsh_Timer();
    EXPECT_EQ(flashes.count(), 0); // nothing unread yet
    q.PutText("bob", "are you there?");
    flashes.clear();
    q.flsh_Timer();
    EXPECT_EQ(flashes.count(), 1) << name;
    touch(q);
    EXPECT_EQ(q.UnreadFlag, 0) << name;
    q.flsh_Timer();
    EXPECT_EQ(flashes.count(), 1) << name;
}

INSTANTIATE_TEST_SUITE_P(, TouchTest, testing::ValuesIn(kTouches), RowName());

} // namespace
