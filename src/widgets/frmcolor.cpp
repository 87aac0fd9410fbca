#include "widgets/frmcolor.h"

#include "platform/Twips.h"
#include "widgets/DialogLook.h"
#include "widgets/PickerLabel.h"

#include <QEvent>

namespace {

// Swatch n of the table is lblcin[n] and sends "n"; places in twips.
struct Swatch {
    const char* toolTip;
    QRgb fill;
    int left;
    int top;
};

constexpr int kSwatchSize = 255;

constexpr Swatch kSwatches[frmcolor::kSwatchCount] = {
    {"Black", qRgb(0, 0, 0), 240, 120},
    {"Dark Blue", qRgb(0, 0, 128), 1320, 480},
    {"Green", qRgb(0, 128, 0), 1320, 120},
    {"Red", qRgb(255, 0, 0), 795, 120},
    {"Brown", qRgb(128, 0, 0), 240, 480},
    {"Dark Pink", qRgb(192, 0, 192), 240, 1560},
    {"Orange", qRgb(255, 128, 0), 240, 840},
    {"Yellow", qRgb(255, 255, 0), 1320, 840},
    {"Light Green", qRgb(0, 255, 0), 795, 480},
    {"Dark Green", qRgb(0, 128, 128), 240, 1200},
    {"Light Blue", qRgb(0, 255, 255), 795, 1200},
    {"Dark Blue", qRgb(0, 0, 255), 1320, 1200},
    {"Light Pink", qRgb(255, 0, 255), 795, 840},
    {"Black n White", qRgb(128, 128, 128), 795, 1560},
    {"White-Black Mix", qRgb(192, 192, 192), 1320, 1560},
};

PickerLabel* newSwatch(QWidget* client, int number, const Swatch& swatch) {
    auto* label = new PickerLabel(client);
    label->setObjectName(QStringLiteral("lblcin%1").arg(number));
    label->setGeometry(twipsToPixels(TwipsRect{swatch.left, swatch.top, kSwatchSize, kSwatchSize}));
    label->setToolTip(QString::fromLatin1(swatch.toolTip));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(swatch.fill));
    label->setPalette(palette);
    label->setFrameShape(QFrame::Box);
    return label;
}

} // namespace

frmcolor::frmcolor() {
    setWindowTitle(QStringLiteral("Select Color"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    setCentralWidget(client);
    for (int number = 1; number <= kSwatchCount; ++number) {
        lblcin[number] = newSwatch(client, number, kSwatches[number - 1]);
        connect(lblcin[number], &PickerLabel::Click, this, [this, number] { lblcin_Click(number); });
    }
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixelsY(kClientHeight));
}

// The picker stays visible: the receiver moves the focus to its input line,
// which hides the picker.
void frmcolor::lblcin_Click(int number) {
    if (number >= 1 && number <= kSwatchCount)
        emit colourChosen(QString::number(number));
}

void frmcolor::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        hide();
}
