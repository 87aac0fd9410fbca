#pragma once

#include <QImage>
#include <QString>
#include <vector>

class RichTextBox;

// One smiley of the picker: its index, the code that stands for it in text and
// its picture.
struct Smiley {
    int index;
    QString code;
    QImage picture;
    QString toolTip; // the code itself; empty for the one smiley shown without
};

// The 85 smileys in index order (the order in which codes are tried).
const std::vector<Smiley>& SmileyTable();

// Replaces by pictures the smiley codes that a change of rtb at
// [position, position + added) may have formed, with the result of scanning the
// whole text from the lowest index after every replacement (a code at the very
// first character of the text is never replaced, and nor are later copies of
// it while it stands there). Only the changed stretch is read.
void replaceSmileyCodes(RichTextBox& rtb, int position, int added);

// Characters of pane text the replacement has scanned, and looked at again while
// weighing the codes found, since the program started: a measure of its work.
qint64 smileyReplacementWork();
