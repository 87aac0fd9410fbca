#pragma once

#include "fixtures/PaneReading.h"
#include "platform/RichTextBox.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

// A box shown on the offscreen screen, as the panes are: layout and scrolling
// behave as they do for the user.
class ShownRichTextBox : public ::testing::Test {
protected:
    void SetUp() override {
        box.resize(320, 200);
        box.show();
        QCoreApplication::processEvents();
    }

    // Appends a run the way the windows do: at the end, through the Sel properties.
    void append(const QString& text) {
        box.setSelStart(box.textLength());
        box.setSelText(text);
    }

    // Selects as the user does, on the widget's own cursor.
    void userSelects(int anchor, int position) {
        QTextCursor visible = box.textCursor();
        visible.setPosition(anchor);
        visible.setPosition(position, QTextCursor::KeepAnchor);
        box.setTextCursor(visible);
    }

    RichTextBox box;
};
