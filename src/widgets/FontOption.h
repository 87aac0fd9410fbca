#pragma once

#include "platform/Form.h"

#include <QtGlobal>
#include <optional>

class QComboBox;
class QLabel;
class xpButton;

// Chooses the display font name and size for the rest of the run: "Ok" sets
// the shared FontName and FontSize and unloads the dialog. Nothing is saved.
class FontOption : public Form {
    Q_OBJECT
public:
    FontOption();

    static FontOption& form() { return FormSlot<FontOption>::get(); }
    static FontOption* loaded() { return FormSlot<FontOption>::loaded(); }

    void Form_Load() override;
    // The screen fonts into cmbFontName, the current FontName selected.
    void LoadFonts();
    // The size list into cmbFontSize, the current FontSize selected.
    void LoadFontsSize();
    void command1_Click();

    QLabel* Label1 = nullptr;         // "Font:"
    QComboBox* cmbFontName = nullptr; // sorted list, no typing
    QComboBox* cmbFontSize = nullptr; // takes typed text too
    xpButton* command1 = nullptr;     // "Ok"

    static constexpr int kClientWidth = 5610; // twips
    static constexpr int kClientHeight = 540;
};

// The font size a typed text gives: the number rounded to the nearest whole
// one, halves to even. None for text that is no number, or a size outside the
// 16-bit range or below 1.
std::optional<qint16> fontSizeFromText(const QString& text);
