// Conversation windows opened the way the program opens them, with the room
// window loaded but not connected.
#pragma once

#include "conversation/Query.h"
#include "fixtures/ClientFixture.h"
#include "fixtures/QtPrinters.h"
#include "platform/EventPump.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "support/Globals.h"
#include "support/WindowTables.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <ostream>

class QueryTest : public ClientTest {
protected:
    void SetUp() override {
        ClientTest::SetUp();
        room(); // loads the settings, the own nick among them
        G().MyNick = "me";
        SetBeepSound([this] { ++beeps; });
    }
    void TearDown() override {
        SetBeepSound(nullptr);
        ClientTest::TearDown();
    }

    static Query& open(const QString& nick) {
        const int slot = OpenQuery(nick, nick + "!user@example.net");
        return *dynamic_cast<Query*>(QueryAt(slot));
    }
    static QStringList lines(const Query& q) { return q.DataIn->Text().split('\n', Qt::SkipEmptyParts); }
    static QString lastLine(const Query& q) { return lines(q).value(lines(q).size() - 1); }

    // The format of the character at a 0-based position of the pane.
    static QTextCharFormat formatAt(const RichTextBox& box, int position) {
        QTextCursor cursor(box.document());
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        return cursor.charFormat();
    }
    static QColor colourAt(const RichTextBox& box, int position) {
        return formatAt(box, position).foreground().color();
    }

    // A point in twips inside the last occurrence of word in the pane, as the
    // pane's mouse events report it.
    static QPoint twipsInside(const RichTextBox& box, const QString& word) {
        const int at = static_cast<int>(box.Text().lastIndexOf(word));
        QTextCursor cursor(box.document());
        cursor.setPosition(at + static_cast<int>(word.size()) / 2);
        const QPoint pixels = box.cursorRect(cursor).center();
        return QPoint(PixelsToTwips(pixels.x()), PixelsToTwipsY(pixels.y()));
    }

    static void moveMouseOver(QWidget* widget) {
        const QPoint at = widget->rect().center();
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    int beeps = 0;
};
