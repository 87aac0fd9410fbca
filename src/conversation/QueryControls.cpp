// The conversation window's construction, load and unload, and the table's view
// of it.
#include "conversation/Query.h"

#include "conversation/QueryDesign.h"
#include "conversation/QueryPictures.h"
#include "platform/KeyEvents.h"
#include "platform/RichTextBox.h"
#include "support/ColouredText.h"
#include "widgets/DialogLook.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>

namespace {

constexpr int kFlashIntervalMs = 500;

bool isLeftClick(QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

// A picture drawn at its design size; the control stretches it when resized.
QLabel* newPicture(QWidget* client, QPixmap (*draw)(QSize), const TwipsRect& design) {
    auto* label = new QLabel(client);
    label->setGeometry(twipsToPixels(design));
    label->setPixmap(draw(label->size()));
    label->setScaledContents(true);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

Query::Query() {
    QWidget* client = newDesignClient(this);
    buildControls(client);
    connectControls();
    setMinimumSize(twipsToPixels(QueryDesign::kClientWidth), twipsToPixels(QueryDesign::kClientHeight));
    resize(minimumSize());
    flsh.setInterval(kFlashIntervalMs);
    connect(&flsh, &QTimer::timeout, this, &Query::flsh_Timer);
    flsh.start();
}

Query::~Query() = default;

Query* Query::Create() {
    auto* window = new Query();
    window->Form_Load();
    return window;
}

// Pictures first: they lie behind the labels and the input line.
void Query::buildControls(QWidget* client) {
    buildPictures(client);
    buildConversation(client);
    buildLabels(client);
}

void Query::buildPictures(QWidget* client) {
    Image10 = newPicture(client, QueryPictures::headerStrip, QueryDesign::Image10);
    Image11 = newPicture(client, QueryPictures::headerEnd, QueryDesign::Image11);
    Image9 = newPicture(client, QueryPictures::badge, QueryDesign::Image9);
    txt1 = newPicture(client, QueryPictures::inputArea, QueryDesign::txt1);
    Image1 = newPicture(client, QueryPictures::edgeStrip, QueryDesign::Image1);
    snd1 = newPicture(client, QueryPictures::edgeStrip, QueryDesign::snd1);
    Image2 = newPicture(client, QueryPictures::sendButton, QueryDesign::Image2);
    Image2->setCursor(Qt::PointingHandCursor);
}

void Query::buildConversation(QWidget* client) {
    DataIn = new RichTextBox(client);
    DataIn->setGeometry(twipsToPixels(QueryDesign::DataIn));
    DataOut = new QLineEdit(client);
    DataOut->setGeometry(twipsToPixels(QueryDesign::DataOut));
    DataOut->setFocus();
}

void Query::buildLabels(QWidget* client) {
    lblNick = newLabel(client, QStringLiteral("Chatter"), QueryDesign::lblNick);
    // Nicks are longer than the design's "Chatter": the label reaches to the host's.
    lblNick->resize(twipsToPixels(QueryDesign::lblHost.left - QueryDesign::lblNick.left), lblNick->height());
    lblNick->raise(); // over the badge, which reaches under its start
    setTextColour(lblNick, QueryDesign::kNickColour);
    lblHost = newLabel(client, QStringLiteral("user@host"), QueryDesign::lblHost);
    setTextColour(lblHost, QueryDesign::kNickColour);
    QFont hostFont(QStringLiteral("MS Sans Serif"));
    hostFont.setStyleHint(QFont::SansSerif);
    hostFont.setPointSizeF(8.25);
    hostFont.setBold(true);
    lblHost->setFont(hostFont);
    cmdOptions = newLabel(client, QStringLiteral("BuddyList"), QueryDesign::cmdOptions);
    Label6 = newLabel(client, QStringLiteral("IgnoreList"), QueryDesign::Label6);
    Label7 = newLabel(client, QStringLiteral("Font Settings"), QueryDesign::Label7);
    Label8 = newLabel(client, QStringLiteral("Colour Settings"), QueryDesign::Label8);
    LabelAction = newLabel(client, QStringLiteral("Own Action"), QueryDesign::LabelAction);
    setTextColour(LabelAction, QueryDesign::kActionColour);
    Label5 = newLabel(client, QStringLiteral("Author"), QueryDesign::Label5);
    Label4 = newLabel(client, QStringLiteral("Close"), QueryDesign::Label4);
}

// Nicks and hosts come from the network: the labels never read them as markup.
QLabel* Query::newLabel(QWidget* client, const QString& text, const TwipsRect& design) {
    auto* label = new QLabel(text, client);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsToPixels(design));
    return label;
}

void Query::connectControls() {
    connect(DataIn, &RichTextBox::MouseUp, this, &Query::DataIn_MouseUp);
    connect(DataIn, &RichTextBox::MouseMove, this, &Query::DataIn_MouseMove);
    connect(DataIn, &RichTextBox::DblClick, this, &Query::DataIn_DblClick);
    connect(DataIn, &RichTextBox::Click, this, &Query::DataIn_Click);
    auto* keys = new KeyEvents(DataOut);
    connect(keys, &KeyEvents::KeyDown, this, &Query::DataOut_KeyDown);
    connect(keys, &KeyEvents::KeyPress, this, &Query::DataOut_KeyPress);
    connect(DataIn, &RichTextBox::Change, this,
            [this](int position, int, int added) { CheckRTF(*DataIn, position, added); });
    // Moves without a button reach the form, the input line and the send picture too.
    centralWidget()->setMouseTracking(true);
    DataOut->setMouseTracking(true);
    Image2->setMouseTracking(true);
    for (QObject* watched :
         {static_cast<QObject*>(centralWidget()), static_cast<QObject*>(DataOut),
          static_cast<QObject*>(Image2), static_cast<QObject*>(Label4), static_cast<QObject*>(LabelAction),
          static_cast<QObject*>(cmdOptions), static_cast<QObject*>(Label6), static_cast<QObject*>(Label7),
          static_cast<QObject*>(Label8), static_cast<QObject*>(Label5)})
        watched->installEventFilter(this);
}

void Query::Form_Load() {
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm"));
    PutColouredText(*DataIn,
                    Colour("3") + QStringLiteral("Chat Started On ") + date + QStringLiteral(" - ") + time);
}

// The slot is free from here on; the window itself goes once control returns.
void Query::Form_Unload(bool&) {
    m_queryNick.clear();
    setWindowTitle(QString());
    lblNick->clear();
}

void Query::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Query::setLblNick(const QString& text) {
    lblNick->setText(text);
}

void Query::setLblHost(const QString& text) {
    lblHost->setText(text);
}

void Query::MakeVisible() {
    show();
}

void Query::bringToFront() {
    show();
    raise();
    activateWindow();
}

// Routes the events of the plain controls to the window's handlers.
bool Query::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        markRead();
    if (isLeftClick(event)) {
        if (watched == Image2)
            Image2_Click();
        else if (watched == Label4)
            Label4_Click();
        else if (watched == LabelAction)
            LabelAction_Click();
        else if (watched == cmdOptions)
            cmdOptions_Click();
        else if (watched == Label6)
            Label6_Click();
        else if (watched == Label7)
            Label7_Click();
        else if (watched == Label8)
            Label8_Click();
        else if (watched == Label5)
            Label5_Click();
    }
    return Form::eventFilter(watched, event);
}
