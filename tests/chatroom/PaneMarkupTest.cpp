// Text from the network full of markup (HTML tags and entities, RTF groups,
// Markdown) reaches the panes by every path the program writes them, and reads
// back as the characters sent.
#include "chatroom/Channel.h"
#include "fixtures/ClientFixture.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/QueryWindow.h"
#include "support/WindowTables.h"

#include <QTextBlock>
#include <QTextDocument>
#include <functional>
#include <ostream>

namespace {

const QString kMarkup =
    QStringLiteral("<b>bold</b> <i>it</i> <img src=\"x.png\"> <a href=\"http://example.com/\">link</a> <br> "
                   "<script>alert(1)</script> <!-- note --> &amp; &lt;b&gt; &#65; &nbsp; "
                   "{\\rtf1\\ansi\\b bold\\b0} {\\pict\\wmetafile8 0100} \\par "
                   "**strong** _em_ # head [link](http://example.com/) ~~gone~~ `code`");

// The same as an RTF fragment's text: what the pane shows of it is the text.
QString asRtfText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    escaped.replace(QLatin1String("{"), QLatin1String("\\{"));
    escaped.replace(QLatin1String("}"), QLatin1String("\\}"));
    return QLatin1String("{\\rtf1\\ansi ") + escaped + QLatin1String("}");
}

QString lastLineOf(const RichTextBox& box) {
    const QStringList lines = box.Text().split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.last();
}

class PaneMarkup;

struct Path {
    const char* name;
    // Writes the text the way the program does; returns the pane's line holding it.
    std::function<QString(PaneMarkup&, const QString& text)> write;
    QString shownBefore; // what the path shows before the text
};

void PrintTo(const Path& path, std::ostream* out) {
    *out << path.name;
}

class PaneMarkup : public ClientTest, public testing::WithParamInterface<Path> {
public:
    void SetUp() override {
        ClientTest::SetUp();
        room();
        G().MyNick = "me";
        feed(":me!u@h JOIN #r"); // the room window is #r's
    }

    void serverLine(const QString& line) { feed(line); }
    static RichTextBox& roomPane() { return *Channel::form().DataIn; }
    static RichTextBox& queryPane(const QString& nick) {
        const int slot = FindQueryIndex(nick);
        EXPECT_GT(slot, 0) << nick.toStdString();
        return queryAt(slot)->DataInPane();
    }

    RichTextBox box; // a pane of no window
};

// One row per way text gets into a pane, from the box's own procedures to
// server lines handled by the interpreter.
const Path kPaths[] = {
    {"SetText",
     [](PaneMarkup& t, const QString& text) {
         t.box.setText(text);
         return t.box.Text();
     },
     ""},
    {"SelText",
     [](PaneMarkup& t, const QString& text) {
         t.box.setSelText(text);
         return t.box.Text();
     },
     ""},
    {"SelRtfText",
     [](PaneMarkup& t, const QString& text) {
         t.box.setSelRTF(asRtfText(text));
         return t.box.Text();
     },
     ""},
    {"ColouredText",
     [](PaneMarkup& t, const QString& text) {
         PutColouredText(t.box, text);
         return lastLineOf(t.box);
     },
     " "},
    {"ColouredTextWithCodes",
     [](PaneMarkup& t, const QString& text) {
         PutColouredText(t.box, Chr3 + "4" + Chr2 + text + Chr2);
         return lastLineOf(t.box);
     },
     " "},
    {"FormattedText",
     [](PaneMarkup& t, const QString& text) {
         AppendFormattedText(t.box, Chr31 + text);
         return lastLineOf(t.box);
     },
     " "},
    {"RoomPutText",
     [](PaneMarkup&, const QString& text) {
         Channel::form().PutText("bob", text);
         return lastLineOf(PaneMarkup::roomPane());
     },
     " <bob>  "},
    {"RoomMessage",
     [](PaneMarkup& t, const QString& text) {
         t.serverLine(":bob!b@h PRIVMSG #r :" + text);
         return lastLineOf(PaneMarkup::roomPane());
     },
     " <bob>  "},
    {"Notice",
     [](PaneMarkup& t, const QString& text) {
         t.serverLine(":bob!b@h NOTICE me :" + text);
         return lastLineOf(PaneMarkup::roomPane());
     },
     " NOTICE bob: "},
    {"Topic",
     [](PaneMarkup& t, const QString& text) {
         t.serverLine(":server 332 me #r :" + text);
         return lastLineOf(*Channel::form().rtbTopic);
     },
     ""},
    {"QueryPutText",
     [](PaneMarkup&, const QString& text) {
         queryAt(OpenQuery("bob", "bob!b@h"))->PutText("bob", text);
         return lastLineOf(PaneMarkup::queryPane("bob"));
     },
     " <bob> "},
    {"PrivateMessage",
     [](PaneMarkup& t, const QString& text) {
         t.serverLine(":carol!c@h PRIVMSG me :" + text);
         return lastLineOf(PaneMarkup::queryPane("carol"));
     },
     " <carol> "},
};

TEST_P(PaneMarkup, NetworkMarkupReadsBackAsItsCharacters) {
    EXPECT_EQ(GetParam().write(*this, kMarkup), GetParam().shownBefore + kMarkup);
}

INSTANTIATE_TEST_SUITE_P(EveryPath, PaneMarkup, testing::ValuesIn(kPaths),
                         [](const testing::TestParamInfo<Path>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
