#pragma once

#include "platform/Form.h"

#include <array>

class PickerLabel;

// The colour picker: fifteen swatches of the input line's colours. A click
// reports the colour number as text ("1" to "15"); the window that opened the
// picker applies it. The picker hides itself when it loses the focus.
class frmcolor : public Form {
    Q_OBJECT
public:
    frmcolor();

    static frmcolor& form() { return FormSlot<frmcolor>::get(); }
    static frmcolor* loaded() { return FormSlot<frmcolor>::loaded(); }

    // number: 1 to 15; any other does nothing.
    void lblcin_Click(int number);

    static constexpr int kSwatchCount = 15;
    std::array<PickerLabel*, kSwatchCount + 1> lblcin{}; // lblcin[1] .. lblcin[15]

    static constexpr int kClientWidth = 1830; // twips
    static constexpr int kClientHeight = 1950;

signals:
    void colourChosen(const QString& colourNumber);

protected:
    void changeEvent(QEvent* event) override;
};
