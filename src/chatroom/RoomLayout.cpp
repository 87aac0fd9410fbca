// The room window's layout: a minimum size, then rows that place the controls
// at fixed offsets from the window's right and bottom edges, in twips.
//
// The rows work on the twips geometry the window keeps for its controls, and
// the widgets are moved once at the end: a row may set a control's width and a
// later one its height, and the pane must not lay its text out for each.
#include "chatroom/Channel.h"

#include "platform/EventPump.h"
#include "platform/RichTextBox.h"

#include <QResizeEvent>

namespace {

namespace D = RoomDesign;
constexpr int kPaneWrapDelayMs = 150; // a pause in resizing this long ends it
using Geometry = std::array<TwipsRect, D::PlacedCount>;

// What a rule sees: the outer size and the controls' current values.
struct Values {
    const Geometry& g;
    int W;
    int H;
    int left(D::Placed c) const { return g[c].left; }
    int top(D::Placed c) const { return g[c].top; }
    int width(D::Placed c) const { return g[c].width; }
    int height(D::Placed c) const { return g[c].height; }
};

enum class Property { Left, Top, Width, Height };

struct Row {
    D::Placed control;
    Property property;
    int (*rule)(const Values& v);
};

using P = Property;

// In order: each row sees the values the rows before it set.
constexpr Row kRows[] = {
    {D::Image4, P::Width, [](const Values& v) { return v.W - v.left(D::Image4) - 100; }},
    {D::Label6, P::Left, [](const Values& v) { return v.W - v.width(D::Label6) - 350; }},
    {D::Image7, P::Left, [](const Values& v) { return v.W - v.width(D::Image7) - 110; }},
    {D::Label2, P::Width, [](const Values& v) { return v.W - v.left(D::Label2) - 2300; }},
    {D::DataIn, P::Width,
     [](const Values& v) { return v.W - v.left(D::DataIn) - 320 - v.width(D::lstNick1) - 2300; }},
    {D::Shape1, P::Width,
     [](const Values& v) { return v.W - v.left(D::Shape1) - 300 - v.width(D::lstNick1) - 2300; }},
    {D::Shape1, P::Height, [](const Values& v) { return v.H - 4400; }},
    {D::DataIn, P::Height, [](const Values& v) { return v.H - 4500; }},
    {D::rtbTopic, P::Left, [](const Values& v) { return v.left(D::Label2) + 600; }},
    {D::rtbTopic, P::Top, [](const Values& v) { return v.top(D::Image10) + 100; }},
    {D::rtbTopic, P::Width, [](const Values& v) { return v.width(D::DataIn) - 1000; }},
    {D::Image10, P::Width, [](const Values& v) { return v.width(D::DataIn) - 400; }},
    {D::Image11, P::Left, [](const Values& v) { return v.left(D::Image10) + v.width(D::Image10); }},
    {D::ToolBar1, P::Left, [](const Values& v) { return v.W - v.width(D::Image2) - 3500; }},
    {D::ToolBar1, P::Top, [](const Values& v) { return v.top(D::lstNick1) - 500; }},
    {D::Toolbar2, P::Left, [](const Values& v) { return v.W - v.width(D::Image2) - 3500; }},
    {D::Toolbar2, P::Top, [](const Values& v) { return v.top(D::lstNick1) - 500; }},
    {D::lstNick1, P::Left, [](const Values& v) { return v.left(D::Image11) + v.width(D::Image11) + 200; }},
    {D::lstnicksShape, P::Left, [](const Values& v) { return v.left(D::lstNick1) + 30; }},
    {D::lstnicksShape, P::Top, [](const Values& v) { return v.top(D::Shape1); }},
    {D::lstnicksShape, P::Width, [](const Values& v) { return v.width(D::lstnicksShape); }},
    {D::lstnicksShape, P::Height, [](const Values& v) { return v.height(D::DataIn) + 100; }},
    {D::lstNick2, P::Left, [](const Values& v) { return v.left(D::lstnicksShape) + 100; }},
    {D::lstNick2, P::Top, [](const Values& v) { return v.top(D::lstNick1); }},
    {D::lstNicks, P::Left, [](const Values& v) { return v.left(D::lstNick1) + 30; }},
    {D::lstNicks, P::Top, [](const Values& v) { return v.top(D::Shape1); }},
    {D::lstNicks, P::Width, [](const Values& v) { return v.width(D::lstnicksShape); }},
    {D::lstNicks, P::Height, [](const Values& v) { return v.height(D::DataIn); }},
    {D::LstNick3, P::Left, [](const Values& v) { return v.W - 680; }},
    {D::Image1, P::Left, [](const Values& v) { return v.W - 430; }},
    {D::Image1, P::Top, [](const Values& v) { return v.H - v.height(D::Image1) - 1270; }},
    {D::txt1, P::Width, [](const Values& v) { return v.left(D::Image1) - v.left(D::txt1); }},
    {D::txt1, P::Top, [](const Values& v) { return v.H - v.height(D::txt1) - 1290; }},
    {D::snd1, P::Top, [](const Values& v) { return v.H - v.height(D::snd1) - 1270; }},
    {D::Image2, P::Left, [](const Values& v) { return v.W - v.width(D::Image2) - 400; }},
    {D::Image2, P::Top, [](const Values& v) { return v.H - v.height(D::Image2) - 1740; }},
    {D::Image5, P::Left, [](const Values& v) { return v.W - 750; }},
    {D::Image5, P::Top, [](const Values& v) { return v.top(D::txt1) + 60; }},
    {D::DataOut, P::Width, [](const Values& v) { return v.left(D::Image2) - v.left(D::DataOut) - 200; }},
    {D::DataOut, P::Top, [](const Values& v) { return v.H - 2400; }},
    {D::Command3, P::Top, [](const Values& v) { return v.top(D::txt1) + 70; }},
    {D::command1, P::Top, [](const Values& v) { return v.top(D::txt1) + 70; }},
    {D::check1, P::Top, [](const Values& v) { return v.top(D::txt1) + 70; }},
    {D::check2, P::Top, [](const Values& v) { return v.top(D::txt1) + 70; }},
    {D::Check3, P::Left, [](const Values& v) { return v.left(D::check2) + 1000; }},
    {D::Check3, P::Top, [](const Values& v) { return v.top(D::command1) + 50; }},
    {D::Check4, P::Left, [](const Values& v) { return v.left(D::Check3) + 800; }},
    {D::Check4, P::Top, [](const Values& v) { return v.top(D::command1) + 50; }},
    {D::Label1, P::Left, [](const Values& v) { return v.left(D::Check4) + 1300; }},
    {D::Label1, P::Top, [](const Values& v) { return v.top(D::command1) + 50; }},
    {D::Label3, P::Top, [](const Values& v) { return v.H - 1600; }},
    {D::Label4, P::Top, [](const Values& v) { return v.H - 1600; }},
    {D::Label5, P::Top, [](const Values& v) { return v.H - 1600; }},
    {D::Label4, P::Left, [](const Values& v) { return v.W - 900; }},
    {D::Label5, P::Left, [](const Values& v) { return v.W - 1800; }},
    {D::Label3, P::Width, [](const Values& v) { return v.width(D::txt1) - 1500; }},
    {D::Home, P::Left, [](const Values&) { return 150; }},
    {D::Home, P::Top, [](const Values& v) { return v.top(D::DataIn) - 300; }},
    {D::Home, P::Width, [](const Values& v) { return v.W - 500; }},
    {D::Home, P::Height, [](const Values& v) { return v.H - 2500; }},
    {D::Misc, P::Left, [](const Values&) { return 150; }},
    {D::Misc, P::Top, [](const Values& v) { return v.top(D::DataIn) - 300; }},
    {D::Misc, P::Width, [](const Values& v) { return v.W - 500; }},
    {D::Misc, P::Height, [](const Values& v) { return v.H - 2500; }},
    {D::TBar, P::Left, [](const Values&) { return 0; }},
    {D::TBar, P::Top, [](const Values& v) { return v.H - 1200; }},
    {D::TBar, P::Width, [](const Values& v) { return v.W - 100; }},
};

// A negative size cannot be set: that assignment is skipped.
void assign(TwipsRect& r, Property property, int value) {
    switch (property) {
    case Property::Left:
        r.left = value;
        break;
    case Property::Top:
        r.top = value;
        break;
    case Property::Width:
        if (value >= 0)
            r.width = value;
        break;
    case Property::Height:
        if (value >= 0)
            r.height = value;
        break;
    }
}

} // namespace

void Channel::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

int Channel::OuterWidth() const {
    return pixelsToTwips(centralWidget()->width()) + D::kFrameWidth;
}

int Channel::OuterHeight() const {
    return pixelsToTwipsY(centralWidget()->height()) + D::kFrameHeight;
}

void Channel::setOuterSize(int width, int height) {
    const QSize frame = size() - centralWidget()->size();
    resize(twipsToPixelsAtLeast(width - D::kFrameWidth) + frame.width(),
           twipsToPixelsAtLeastY(height - D::kFrameHeight) + frame.height());
}

// The resize this causes, and any that the final pump brings, run the handler
// again inside this one; only the outermost call pumps, so it never nests deeper.
void Channel::Form_Resize() {
    if (isMinimized())
        return;
    ++m_resizeDepth;
    int W = OuterWidth();
    int H = OuterHeight();
    enforceMinimumSize(W, H);
    placeControls(W, H);
    if (m_resizeDepth == 1)
        DoEvents();
    --m_resizeDepth;
}

// A window below the minimum is made that size; the rows then use it whether
// or not the window system has answered yet.
void Channel::enforceMinimumSize(int& W, int& H) {
    if (W >= D::kMinWidth && H >= D::kMinHeight)
        return;
    W = qMax(W, D::kMinWidth);
    H = qMax(H, D::kMinHeight);
    setOuterSize(W, H);
}

// Laying a full scrollback out again at a new width takes tens of milliseconds,
// too long for every step of a drag: the pane's text keeps its wrap width while
// the pane's width keeps changing and takes that width once it stops (at once
// the first time, when the pane is placed).
void Channel::paneViewportResized() {
    if (DataIn->lineWrapMode() == QTextEdit::FixedPixelWidth)
        m_paneWrap.start();
    else
        followPaneWidth();
}

void Channel::followPaneWidth() {
    const int width = DataIn->viewport()->width();
    if (DataIn->lineWrapColumnOrWidth() != width)
        DataIn->setLineWrapColumnOrWidth(width);
    DataIn->setLineWrapMode(QTextEdit::FixedPixelWidth);
}

void Channel::connectLayout() {
    m_paneWrap.setSingleShot(true);
    m_paneWrap.setInterval(kPaneWrapDelayMs);
    connect(&m_paneWrap, &QTimer::timeout, this, &Channel::followPaneWidth);
}

void Channel::placeControls(int W, int H) {
    for (const Row& row : kRows)
        assign(m_geometry[row.control], row.property, row.rule(Values{m_geometry, W, H}));
    for (std::size_t k = 0; k < m_placed.size(); ++k)
        m_placed[k]->setGeometry(twipsToPixels(m_geometry[k]));
}
