#include "widgets/frmSmileys.h"

#include "platform/Twips.h"
#include "support/Smileys.h"
#include "widgets/DialogLook.h"
#include "widgets/PickerLabel.h"

#include <QApplication>
#include <QEvent>

namespace {

// Where each picture sits, in twips: rows of 270 x 270 cells, a few wider or
// taller ones, and three that stand a little lower than their row.
struct Place {
    int index;
    int left;
    int top;
    int width = 270;
    int height = 270;
};

constexpr int kRow1 = 105, kRow2 = 465, kRow3 = 825, kRow4 = 1185, kRow5 = 1545, kRow6 = 1905, kRow7 = 2265,
              kRow8 = 2625, kRow9 = 3000;

constexpr Place kPlaces[] = {
    {86, 60, kRow1},
    {87, 435, kRow1},
    {2, 780, kRow1},
    {3, 1140, kRow1},
    {4, 1500, kRow1},
    {5, 1860, kRow1},
    {6, 2220, kRow1},
    {59, 2640, kRow1},
    {60, 3000, kRow1},
    {61, 3360, kRow1},
    {62, 3720, kRow1},

    {7, 60, kRow2},
    {8, 435, kRow2},
    {9, 780, kRow2},
    {10, 1140, kRow2},
    {11, 1500, kRow2},
    {12, 1860, kRow2},
    {13, 2220, kRow2},
    {66, 2640, kRow2, 330},
    {67, 3000, kRow2, 285},
    {68, 3360, kRow2, 315},
    {69, 3720, kRow2, 345},

    {14, 60, kRow3},
    {15, 435, kRow3},
    {1, 780, kRow3, 330},
    {0, 1140, kRow3},
    {18, 1500, kRow3},
    {19, 1860, kRow3},
    {21, 2220, kRow3},
    {70, 2640, kRow3},
    {71, 3000, kRow3, 345},
    {72, 3360, kRow3, 285},
    {73, 3720, kRow3},

    {20, 60, kRow4, 360},
    {22, 435, kRow4},
    {23, 780, kRow4},
    {24, 1140, kRow4},
    {25, 1500, kRow4},
    {26, 1860, kRow4},
    {27, 2220, kRow4},
    {74, 2640, kRow4},
    {75, 3000, kRow4, 300},
    {76, 3360, kRow4, 300, 285},
    {77, 3720, kRow4},

    {28, 60, kRow5},
    {29, 435, kRow5},
    {30, 780, kRow5},
    {31, 1140, kRow5},
    {32, 1500, kRow5},
    {33, 1860, kRow5},
    {34, 2220, kRow5},
    {78, 2640, kRow5, 495},
    {79, 3240, kRow5, 315},
    {80, 3600, 1560, 480},

    {35, 60, kRow6},
    {36, 435, kRow6},
    {37, 780, kRow6},
    {38, 1140, kRow6},
    {39, 1500, kRow6},
    {40, 1860, kRow6},
    {81, 2280, 1920, 285, 285},
    {57, 2640, kRow6, 330},
    {65, 3000, kRow6, 450},
    {56, 3600, kRow6, 330},

    {42, 60, kRow7, 255},
    {43, 435, kRow7},
    {44, 780, kRow7},
    {45, 1140, kRow7},
    {46, 1860, kRow7},
    {47, 2220, kRow7},
    {55, 2520, kRow7, 330},
    {58, 3000, kRow7, 630},
    {89, 3720, kRow7, 300},

    {48, 60, kRow8},
    {49, 435, kRow8},
    {50, 780, kRow8},
    {51, 1140, kRow8},
    {52, 1500, kRow8, 330},
    {53, 1860, kRow8},
    {54, 2220, kRow8},
    {83, 2640, kRow8, 255},
    {16, 3000, kRow8, 1035, 240},

    {82, 1320, kRow9, 285, 285},
    {64, 1680, kRow9, 855, 225},
    {88, 2640, kRow9, 300},
};

// The help text fills the foot of the window, beside and under the last row.
constexpr TwipsRect kHelpPlace{60, 3330, 4005, 600};

const QString kHelpText =
    QStringLiteral("Click on the smiley or type the code into the long box at the bottom of "
                   "the main window (Drag Your Mouse to the smileys to see the code)");

const Smiley* smileyWithIndex(int index) {
    for (const Smiley& smiley : SmileyTable())
        if (smiley.index == index)
            return &smiley;
    return nullptr;
}

} // namespace

frmSmileys::frmSmileys() {
    setWindowTitle(QStringLiteral("Smileys"));
    auto* client = new QWidget(this);
    applyDialogLook(client);
    client->setFont(designFace());
    setCentralWidget(client);
    Label1 = new QLabel(kHelpText, client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(twipsToPixels(kHelpPlace));
    buildPictures(client);
    setFixedSize(twipsToPixels(kClientWidth), twipsToPixelsY(kClientHeight));
}

void frmSmileys::buildPictures(QWidget* client) {
    for (const Place& place : kPlaces) {
        const Smiley* smiley = smileyWithIndex(place.index);
        if (!smiley)
            continue;
        auto* picture = new PickerLabel(client);
        picture->setObjectName(QStringLiteral("imgicon%1").arg(place.index));
        picture->setGeometry(twipsToPixels(TwipsRect{place.left, place.top, place.width, place.height}));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(QPixmap::fromImage(smiley->picture));
        picture->setToolTip(smiley->toolTip);
        const int index = place.index;
        connect(picture, &PickerLabel::Click, this, [this, index] { imgicon_Click(index); });
        imgicon.insert(index, picture);
    }
}

// The code goes as it stands: the receiver adds no blank and keeps its focus.
void frmSmileys::imgicon_Click(int index) {
    if (const Smiley* smiley = smileyWithIndex(index))
        emit smileyChosen(smiley->code);
}

// Losing the focus to another window of the program (the input line the codes go
// to) shows the picker again above it, without taking the focus back, so it
// stays up until the user closes it. Hidden by the program, it loses the focus
// as it hides, and stays hidden.
void frmSmileys::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow() || isHidden())
        return;
    show();
    if (QApplication::activeWindow())
        raise();
}
