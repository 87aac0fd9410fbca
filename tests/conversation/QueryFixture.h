// Conversation windows opened the way the program opens them, with the room
// window loaded but not connected.
#pragma once

#include "conversation/Query.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/PaneReading.h"
#include "fixtures/QtPrinters.h"
#include "platform/EventPump.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "support/Globals.h"
#include "support/WindowTables.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>
#include <ostream>

class QueryTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        loadRoomAs("me");
    }

    static Query& open(const QString& nick) {
        const int slot = OpenQuery(nick, nick + "!user@example.net");
        return *dynamic_cast<Query*>(queryAt(slot));
    }
    static QColor colourAt(const RichTextBox& box, int position) {
        return formatAt(box, position).foreground().color();
    }

    // A point in twips inside the last occurrence of word in the pane, as the
    // pane's mouse events report it.
    static QPoint twipsInside(const RichTextBox& box, const QString& word) {
        const int at = static_cast<int>(box.Text().lastIndexOf(word));
        const QPoint pixels = cursorRectAt(box, at + static_cast<int>(word.size()) / 2).center();
        return QPoint(pixelsToTwips(pixels.x()), pixelsToTwipsY(pixels.y()));
    }
};
