// The conversation window's layout: the pane grows with the window, the header
// band stretches, and the input area and its labels stay at the bottom.
#include "conversation/Query.h"

#include "conversation/QueryDesign.h"
#include "platform/RichTextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>

namespace {

void place(QWidget* control, const TwipsRect& r) {
    control->setGeometry(twipsToPixels(r));
}

TwipsRect moved(TwipsRect r, int left, int top) {
    r.left = left;
    r.top = top;
    return r;
}

} // namespace

void Query::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

// W and H are the outer size: the client area plus the design's frame, so the
// design client area is exactly the smallest size and the design layout holds
// whatever frame the desktop draws.
void Query::Form_Resize() {
    namespace D = QueryDesign;
    if (isMinimized())
        return;
    const int W = std::max(D::kMinWidth, pixelsToTwips(width()) + D::kFrameWidth);
    const int H = std::max(D::kMinHeight, pixelsToTwipsY(height()) + D::kFrameHeight);

    const int image11Left = W - 600;
    place(Image11, moved(D::Image11, image11Left, D::Image11.top));
    place(Image10, {D::Image10.left, D::Image10.top, image11Left - D::Image10.left, D::Image10.height});
    place(DataIn, {D::DataIn.left, D::DataIn.top, W - D::DataIn.left - 300, H - 3200});

    const int labelTop = H - D::txt1.height - 860;
    place(Label6, moved(D::Label6, 1560, labelTop));
    place(Label7, moved(D::Label7, 3000, labelTop));
    place(Label8, moved(D::Label8, 4320, labelTop));
    place(LabelAction, moved(D::LabelAction, 5760, labelTop));
    place(cmdOptions, moved(D::cmdOptions, 305, H - D::txt1.height - 850));

    const int image1Left = W - 430;
    place(Image1, moved(D::Image1, image1Left, H - D::Image1.height - 970));
    place(txt1, {D::txt1.left, H - D::txt1.height - 990, image1Left - D::txt1.left, D::txt1.height});
    place(snd1, moved(D::snd1, D::snd1.left, H - D::snd1.height - 970));

    const int image2Left = W - D::Image2.width - 400;
    place(Image2, moved(D::Image2, image2Left, H - D::Image2.height - 1440));
    place(DataOut, {D::DataOut.left, H - 2100, image2Left - D::DataOut.left - 200, D::DataOut.height});

    place(Label4, moved(D::Label4, W - 900, H - 1300));
    place(Label5, moved(D::Label5, W - 1800, H - 1300));
}
