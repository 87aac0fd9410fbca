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

constexpr int Row1 = 105, Row2 = 465, Row3 = 825, Row4 = 1185, Row5 = 1545, Row6 = 1905, Row7 = 2265,
              Row8 = 2625, Row9 = 3000;

constexpr Place Places[] = {
    {86, 60, Row1},
    {87, 435, Row1},
    {2, 780, Row1},
    {3, 1140, Row1},
    {4, 1500, Row1},
    {5, 1860, Row1},
    {6, 2220, Row1},
    {59, 2640, Row1},
    {60, 3000, Row1},
    {61, 3360, Row1},
    {62, 3720, Row1},

    {7, 60, Row2},
    {8, 435, Row2},
    {9, 780, Row2},
    {10, 1140, Row2},
    {11, 1500, Row2},
    {12, 1860, Row2},
    {13, 2220, Row2},
    {66, 2640, Row2, 330},
    {67, 3000, Row2, 285},
    {68, 3360, Row2, 315},
    {69, 3720, Row2, 345},

    {14, 60, Row3},
    {15, 435, Row3},
    {1, 780, Row3, 330},
    {0, 1140, Row3},
    {18, 1500, Row3},
    {19, 1860, Row3},
    {21, 2220, Row3},
    {70, 2640, Row3},
    {71, 3000, Row3, 345},
    {72, 3360, Row3, 285},
    {73, 3720, Row3},

    {20, 60, Row4, 360},
    {22, 435, Row4},
    {23, 780, Row4},
    {24, 1140, Row4},
    {25, 1500, Row4},
    {26, 1860, Row4},
    {27, 2220, Row4},
    {74, 2640, Row4},
    {75, 3000, Row4, 300},
    {76, 3360, Row4, 300, 285},
    {77, 3720, Row4},

    {28, 60, Row5},
    {29, 435, Row5},
    {30, 780, Row5},
    {31, 1140, Row5},
    {32, 1500, Row5},
    {33, 1860, Row5},
    {34, 2220, Row5},
    {78, 2640, Row5, 495},
    {79, 3240, Row5, 315},
    {80, 3600, 1560, 480},

    {35, 60, Row6},
    {36, 435, Row6},
    {37, 780, Row6},
    {38, 1140, Row6},
    {39, 1500, Row6},
    {40, 1860, Row6},
    {81, 2280, 1920, 285, 285},
    {57, 2640, Row6, 330},
    {65, 3000, Row6, 450},
    {56, 3600, Row6, 330},

    {42, 60, Row7, 255},
    {43, 435, Row7},
    {44, 780, Row7},
    {45, 1140, Row7},
    {46, 1860, Row7},
    {47, 2220, Row7},
    {55, 2520, Row7, 330},
    {58, 3000, Row7, 630},
    {89, 3720, Row7, 300},

    {48, 60, Row8},
    {49, 435, Row8},
    {50, 780, Row8},
    {51, 1140, Row8},
    {52, 1500, Row8, 330},
    {53, 1860, Row8},
    {54, 2220, Row8},
    {83, 2640, Row8, 255},
    {16, 3000, Row8, 1035, 240},

    {82, 1320, Row9, 285, 285},
    {64, 1680, Row9, 855, 225},
    {88, 2640, Row9, 300},
};

// The help text fills the foot of the window, beside and under the last row.
constexpr TwipsRect HelpPlace{60, 3330, 4005, 600};

const QString HelpText =
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
    ApplyDialogLook(client);
    client->setFont(DesignFace());
    setCentralWidget(client);
    Label1 = new QLabel(HelpText, client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(TwipsToPixels(HelpPlace));
    buildPictures(client);
    setFixedSize(TwipsToPixels(ClientWidth), TwipsToPixelsY(ClientHeight));
}

void frmSmileys::buildPictures(QWidget* client) {
    for (const Place& place : Places) {
        const Smiley* smiley = smileyWithIndex(place.index);
        if (!smiley)
            continue;
        auto* picture = new PickerLabel(client);
        picture->setObjectName(QStringLiteral("imgicon%1").arg(place.index));
        picture->setGeometry(TwipsToPixels(TwipsRect{place.left, place.top, place.width, place.height}));
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
