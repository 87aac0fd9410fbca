// The room window's controls: created at their design places, pictures first so
// that they lie behind, the web panes last so that they cover the room.
#include "chatroom/Channel.h"

#include "chatroom/RoomPictures.h"
#include "conversation/QueryPictures.h"
#include "platform/KeyEvents.h"
#include "platform/RichTextBox.h"
#include "platform/WebBrowser.h"
#include "support/WebAddresses.h"
#include "widgets/DialogLook.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolBar>

namespace {

namespace D = RoomDesign;

const QColor kInk(27, 58, 154);        // captions on the light face
const QColor kActionColour(0, 0, 192); // the clickable "Own Action"
const QColor kPanelBorder(120, 160, 230);

// A picture drawn at its design size; the control stretches it when resized.
QLabel* newPicture(QWidget* client, QPixmap (*draw)(QSize), const TwipsRect& design) {
    auto* picture = new QLabel(client);
    picture->setGeometry(twipsToPixels(design));
    picture->setPixmap(draw(picture->size()));
    picture->setScaledContents(true);
    return picture;
}

// Captions here are the program's own; the labels never read text as markup.
QLabel* newLabel(QWidget* client, const QString& caption, const QColor& colour) {
    auto* label = new QLabel(caption, client);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QLabel* newClickableLabel(QWidget* client, const QString& caption) {
    QLabel* label = newLabel(client, caption, kActionColour);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

// A rectangle drawn around a control.
QFrame* newShape(QWidget* client) {
    auto* shape = new QFrame(client);
    shape->setStyleSheet(
        QStringLiteral("QFrame { background: white; border: 1px solid %1; border-radius: 3px; }")
            .arg(kPanelBorder.name()));
    return shape;
}

QPushButton* newIconButton(QWidget* client, const QIcon& icon, const QString& tip) {
    auto* button = new QPushButton(client);
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void setBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

// The labels that act when clicked, and what they do.
struct LabelClick {
    QLabel* Channel::*label;
    void (Channel::*handler)();
};
constexpr LabelClick kLabelClicks[] = {
    {&Channel::Label1, &Channel::Label1_Click},
    {&Channel::Label4, &Channel::Label4_Click},
    {&Channel::Label5, &Channel::Label5_Click},
};

bool isLeftClick(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

void Channel::buildWindow() {
    QWidget* client = newDesignClient(this);
    buildPictures(client);
    buildRoomControls(client);
    buildInputControls(client);
    buildFrameControls(client);
    listPlacedControls();
    for (std::size_t k = 0; k < m_placed.size(); ++k)
        m_placed[k]->setGeometry(twipsToPixels(m_geometry[k]));
    client->setMinimumSize(twipsToPixelsAtLeast(D::kMinWidth - D::kFrameWidth),
                           twipsToPixelsAtLeastY(D::kMinHeight - D::kFrameHeight));
    resize(client->minimumSize());
}

void Channel::buildPictures(QWidget* client) {
    Image4 = newPicture(client, QueryPictures::headerStrip, D::Design[D::Image4]);
    Image7 = newPicture(client, QueryPictures::headerEnd, D::Design[D::Image7]);
    Image10 = newPicture(client, QueryPictures::headerStrip, D::Design[D::Image10]);
    Image11 = newPicture(client, QueryPictures::headerEnd, D::Design[D::Image11]);
    Image9 = newPicture(client, QueryPictures::badge, D::Image9);
    lstNick2 = newPicture(client, QueryPictures::headerStrip, D::Design[D::lstNick2]);
    LstNick3 = newPicture(client, QueryPictures::headerEnd, D::Design[D::LstNick3]);
    lstNick1 = newPicture(client, RoomPictures::people, D::Design[D::lstNick1]);
    txt1 = newPicture(client, QueryPictures::inputArea, D::Design[D::txt1]);
    snd1 = newPicture(client, QueryPictures::edgeStrip, D::Design[D::snd1]);
    Image1 = newPicture(client, QueryPictures::edgeStrip, D::Design[D::Image1]);
    Image5 = newPicture(client, QueryPictures::badge, D::Design[D::Image5]);
    Shape1 = newShape(client);
    lstnicksShape = newShape(client);
}

void Channel::buildRoomControls(QWidget* client) {
    Label6 = newLabel(client, QStringLiteral("Korvu ChatRoom"), kInk);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setBold(Label6);
    Label2 = newLabel(client, QStringLiteral("Topic:"), kInk);
    setBold(Label2);
    rtbTopic = new RichTextBox(client);
    rtbTopic->setReadOnly(false);
    // One line high: no frame or margin may take from it.
    rtbTopic->setFrameStyle(QFrame::NoFrame);
    rtbTopic->document()->setDocumentMargin(1);
    rtbTopic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtbTopic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // It shows the topic's first line, wherever its caret went.
    connect(rtbTopic, &RichTextBox::Change, this, [this] { rtbTopic->verticalScrollBar()->setValue(0); });
    DataIn = new RichTextBox(client);
    DataIn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // its text wraps: see paneViewportResized
    DataIn->viewport()->installEventFilter(this);
    lstNicks = new ListBoxView(client); // constant cost per change, whatever the room's size
    lstNicks->setModel(&Nicks.model());
    lstNicks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstNicks->viewport()->installEventFilter(this);
    cmdCount = newLabel(client, QString(), kInk);
    setBold(cmdCount);
    cmdCount->setGeometry(twipsToPixels(D::cmdCount));
    Text1 = new QLineEdit(client);
    Text1->hide();
    Label7 = new QLabel(client);
    Label7->hide();
}

void Channel::buildInputControls(QWidget* client) {
    Command3 = newIconButton(client, RoomPictures::fontIcon(), QStringLiteral("Font"));
    check1 = newIconButton(client, RoomPictures::smileyIcon(), QStringLiteral("Smileys"));
    check2 = newIconButton(client, QIcon(), QStringLiteral("Colour"));
    command1 = newIconButton(client, RoomPictures::blockListIcon(), QStringLiteral("Block list"));
    connect(Command3, &QPushButton::clicked, this, &Channel::Command3_Click);
    connect(check1, &QPushButton::clicked, this, &Channel::check1_Click);
    connect(check2, &QPushButton::clicked, this, &Channel::check2_Click);
    connect(command1, &QPushButton::clicked, this, &Channel::command1_Click);
    Check3 = new QCheckBox(QStringLiteral("Bold"), client);
    Check4 = new QCheckBox(QStringLiteral("UnderLine"), client);
    Label1 = newClickableLabel(client, QStringLiteral("Own Action"));
    DataOut = new QLineEdit(client);
    auto* keys = new KeyEvents(DataOut);
    connect(keys, &KeyEvents::KeyDown, this, [this](int& keyCode, int) { DataOut_KeyDown(keyCode); });
    connect(keys, &KeyEvents::KeyPress, this, &Channel::DataOut_KeyPress);
    Image2 = new QPushButton(client);
    Image2->setFlat(true);
    Image2->setToolTip(QStringLiteral("Send"));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setFocusPolicy(Qt::NoFocus);
    Image2->setStyleSheet(QStringLiteral("QPushButton { border: none; }"));
    const QRect send = twipsToPixels(D::Design[D::Image2]);
    Image2->setIcon(QueryPictures::sendButton(send.size()));
    Image2->setIconSize(send.size());
    Label3 = newLabel(
        client, QStringLiteral("Type your message above and press Enter to send it to the room."), kInk);
    Label4 = newClickableLabel(client, QStringLiteral("About"));
    Label5 = newClickableLabel(client, QStringLiteral("Author"));
    for (QLabel* small : {Label4, Label5}) { // their design widths fit a smaller face
        QFont font = small->font();
        font.setPointSizeF(7.5);
        small->setFont(font);
    }
    for (QLabel* label : {Label1, Label4, Label5})
        label->installEventFilter(this);
    selectcolor(QStringLiteral("1")); // the colour button's face shows the colour chosen
}

void Channel::buildFrameControls(QWidget* client) {
    TBar = new QTabBar(client);
    for (const char* caption : {"Home", "ChatRoom", "Misc"})
        TBar->addTab(QString::fromLatin1(caption));
    TBar->setCurrentIndex(1); // the room shows at start
    TBar->setExpanding(false);
    TBar->setDrawBase(false);
    ToolBar1 = newBrowserToolBar(client, &Channel::ToolBar1_ButtonClick);
    Toolbar2 = newBrowserToolBar(client, &Channel::Toolbar2_ButtonClick);
    Home = new WebBrowser(client);
    Misc = new WebBrowser(client);
    // The panes cover the room's controls, with or without a page in them.
    for (WebBrowser* pane : {Home, Misc}) {
        pane->setAutoFillBackground(true);
        pane->setBackgroundRole(QPalette::Base);
        pane->setHomeAddress(WebAddresses::Home);
        pane->setSearchAddress(WebAddresses::Search);
    }
    for (QWidget* hidden : widgets(Home, Misc, ToolBar1, Toolbar2))
        hidden->hide();
}

// Six buttons keyed "Back" to "Search"; a button reports its key.
QToolBar* Channel::newBrowserToolBar(QWidget* client, void (Channel::*handler)(const QString&)) {
    auto* bar = new QToolBar(client);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const char* key : {"Back", "Forward", "Stop", "Refresh", "Home", "Search"}) {
        QAction* button =
            bar->addAction(RoomPictures::toolbarIcon(QString::fromLatin1(key)), QString::fromLatin1(key));
        button->setData(QString::fromLatin1(key));
    }
    connect(bar, &QToolBar::actionTriggered, this,
            [this, handler](QAction* button) { (this->*handler)(button->data().toString()); });
    return bar;
}

void Channel::listPlacedControls() {
    const QList<QWidget*> placed = widgets(
        Image4, Image7, Label6, Label2, rtbTopic, DataIn, Image10, Image11, lstNick1, lstNick2, LstNick3,
        Shape1, lstnicksShape, lstNicks, ToolBar1, Toolbar2, txt1, snd1, Image1, Image5, Image2, DataOut,
        Command3, check1, check2, command1, Check3, Check4, Label1, Label3, Label4, Label5, Home, Misc, TBar);
    Q_ASSERT(placed.size() == RoomDesign::PlacedCount);
    std::copy(placed.begin(), placed.end(), m_placed.begin());
}

void Channel::connectFrame() {
    connect(TBar, &QTabBar::currentChanged, this, &Channel::TBar_Click);
}

// Routes the events of plain controls to the window's handlers.
bool Channel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DataIn->viewport() && event->type() == QEvent::Resize)
        paneViewportResized();
    const bool mouseOnList =
        watched == lstNicks->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick);
    if (mouseOnList) {
        // Cast only a mouse event: casting any other event is undefined.
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint at = mouse->position().toPoint();
            lstNicks_MouseDown(buttonMask(mouse->button()), shiftMask(mouse->modifiers()),
                               pixelsToTwips(at.x()), pixelsToTwipsY(at.y()));
            // The right button leaves the selection as it is.
            return mouse->button() == Qt::RightButton;
        }
        if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
            lstNicks_DblClick();
    }
    if (isLeftClick(event))
        for (const LabelClick& click : kLabelClicks)
            if (watched == this->*click.label)
                (this->*click.handler)();
    return Form::eventFilter(watched, event);
}
