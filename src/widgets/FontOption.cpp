#include "widgets/FontOption.h"

#include "platform/Twips.h"
#include "support/Globals.h"
#include "widgets/DialogLook.h"
#include "widgets/xpButton.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr TwipsRect kLabelPlace{480, 150, 600, 240};
constexpr TwipsRect kNamePlace{1320, 120, 2085, 315};
constexpr TwipsRect kSizePlace{3480, 120, 675, 315};
constexpr int kButtonLeft = 4440;
constexpr int kButtonTop = 120;

QFont labelFont() {
    QFont font = designFace(); // Arial 8.25 pt
    font.setBold(true);
    return font;
}

QStringList screenFontsSorted() {
    QStringList names = QFontDatabase::families();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

// Rounds halves to the even neighbour, whatever the floating-point mode.
double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1;
    return below;
}

} // namespace

std::optional<qint16> fontSizeFromText(const QString& text) {
    bool isNumber = false;
    const double value = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return std::nullopt;
    const double size = roundHalfToEven(value);
    if (size < 1 || size > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(size);
}

FontOption::FontOption() {
    setWindowTitle(QStringLiteral("Change Your Font Name and Font Size"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    client->setFont(designFace());
    setCentralWidget(client);

    Label1 = new QLabel(QStringLiteral("Font:"), client);
    Label1->setFont(labelFont());
    Label1->setGeometry(twipsToPixels(kLabelPlace));

    cmbFontName = new QComboBox(client);
    cmbFontName->setGeometry(twipsToPixels(kNamePlace));

    // Typed sizes stay as typed: no completion, and Enter adds nothing to the list.
    cmbFontSize = new QComboBox(client);
    cmbFontSize->setEditable(true);
    cmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    cmbFontSize->setCompleter(nullptr);
    cmbFontSize->setGeometry(twipsToPixels(kSizePlace));

    command1 = new xpButton(QStringLiteral("command1"), client);
    command1->setButtonSize(xpButton::Small);
    command1->setCaption(QStringLiteral("Ok"));
    command1->move(twipsToPixels(kButtonLeft), twipsToPixelsY(kButtonTop));
    connect(command1, &xpButton::Click, this, &FontOption::command1_Click);

    setFixedSize(twipsToPixels(kClientWidth), twipsToPixelsY(kClientHeight));
}

void FontOption::Form_Load() {
    LoadFonts();
    LoadFontsSize();
}

// A FontName that matches no screen font leaves no entry selected, so "Ok"
// does nothing until the user picks one.
void FontOption::LoadFonts() {
    cmbFontName->clear();
    cmbFontName->addItems(screenFontsSorted());
    cmbFontName->setCurrentIndex(cmbFontName->findText(G().FontName, Qt::MatchFixedString));
    cmbFontSize->setCurrentText(QString::number(G().FontSize));
}

// The list runs from -1 to the number of screen fonts less one.
void FontOption::LoadFontsSize() {
    const int fontCount = int(QFontDatabase::families().size());
    cmbFontSize->clear();
    for (int i = 0; i <= fontCount; ++i)
        cmbFontSize->addItem(QString::number(i - 1));
    const QString size = QString::number(G().FontSize);
    cmbFontSize->setCurrentIndex(cmbFontSize->findText(size, Qt::MatchExactly));
    cmbFontSize->setCurrentText(size);
}

// A size that gives no usable number keeps the current one.
void FontOption::command1_Click() {
    const QString name = cmbFontName->currentText();
    if (name.isEmpty())
        return;
    G().FontName = name;
    if (const std::optional<qint16> size = fontSizeFromText(cmbFontSize->currentText()))
        G().FontSize = *size;
    Unload();
}
