#pragma once

#include "platform/Form.h"

#include <QMap>

class QLabel;
class PickerLabel;

// The smiley picker: the pictures of the smiley table in a fixed grid, each
// with its code as tool tip. A click reports the code; the window that opened
// the picker decides where it goes. It stays up until the user closes it.
class frmSmileys : public Form {
    Q_OBJECT
public:
    frmSmileys();

    static frmSmileys& form() { return FormSlot<frmSmileys>::get(); }
    static frmSmileys* loaded() { return FormSlot<frmSmileys>::loaded(); }

    // index: the smiley's index in the table; one that has no smiley does nothing.
    void imgicon_Click(int index);

    QLabel* Label1 = nullptr;        // the help text
    QMap<int, PickerLabel*> imgicon; // the pictures, by the smiley's index

    static constexpr int kClientWidth = 4125; // twips
    static constexpr int kClientHeight = 3975;

signals:
    void smileyChosen(const QString& code);

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildPictures(QWidget* client);
};
