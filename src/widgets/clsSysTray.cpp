#include "widgets/clsSysTray.h"

#include "platform/Twips.h"

#include <QMenu>
#include <QWidget>
#include <span>

namespace {

const QString kHookName = QStringLiteral("pichook");

// The tip as the record holds it: at most 63 characters, a NUL, blanks to 64.
QString tipField(const QString& text) {
    QString tip = text.left(clsSysTray::kTipLength);
    if (!tip.isEmpty() && tip.back().isHighSurrogate())
        tip.chop(1); // never half a character
    tip += QChar(0);
    return tip.leftJustified(clsSysTray::kTipLength + 1, QLatin1Char(' '));
}

QString tipText(const QString& field) {
    return field.left(field.indexOf(QChar(0)));
}

// The mouse messages the desktop's reports stand for, in the order they come.
std::span<const int> messagesOf(QSystemTrayIcon::ActivationReason reason) {
    static constexpr int kDoubleClick[] = {clsSysTray::LeftButtonDoubleClick};
    static constexpr int kTrigger[] = {clsSysTray::LeftButtonDown, clsSysTray::LeftButtonUp};
    static constexpr int kContext[] = {clsSysTray::RightButtonDown, clsSysTray::RightButtonUp};
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return kDoubleClick;
    case QSystemTrayIcon::Trigger:
        return kTrigger;
    case QSystemTrayIcon::Context:
        return kContext;
    default:
        return {};
    }
}

} // namespace

clsSysTray::clsSysTray(QObject* parent) : QObject(parent) {
    m_record.szTip = tipField(QString());
    connect(&m_icon, &QSystemTrayIcon::activated, this, &clsSysTray::iconActivated);
}

qint64 clsSysTray::Icon() const {
    return m_record.hIcon.isNull() ? 0 : m_record.hIcon.cacheKey();
}

void clsSysTray::setSourceWindow(QWidget* window) {
    m_sourceWindow = window;
    CreateHook();
}

// A hidden child of the source window stands for the icon's hook. A window
// that has one already keeps it.
void clsSysTray::CreateHook() {
    if (!m_sourceWindow || m_sourceWindow->findChild<QWidget*>(kHookName, Qt::FindDirectChildrenOnly))
        return;
    m_pichook = new QWidget(m_sourceWindow);
    m_pichook->setObjectName(kHookName);
    m_pichook->hide();
    m_pichook->setWindowIcon(m_sourceWindow->windowIcon());
    m_record.hWnd = reinterpret_cast<quintptr>(m_pichook.data());
}

void clsSysTray::IconInSysTray() {
    notifyIcon(Operation::Add);
}

void clsSysTray::ChangeIcon(const QIcon& picture) {
    if (m_pichook)
        m_pichook->setWindowIcon(picture);
    m_record.hIcon = picture;
    notifyIcon(Operation::Modify);
}

void clsSysTray::ChangeToolTip(const QString& text) {
    m_toolTip = text;
    m_record.szTip = tipField(text);
    notifyIcon(Operation::Modify);
    if (m_sourceWindow && m_sourceWindow->isMinimized())
        m_sourceWindow->setWindowTitle(text);
}

void clsSysTray::RemoveFromSysTray() {
    m_record.cbSize = 88;
    m_record.hWnd = reinterpret_cast<quintptr>(m_pichook.data());
    m_record.uID = 1;
    notifyIcon(Operation::Delete);
}

void clsSysTray::MinToSysTray() {
    IconInSysTray();
    if (m_sourceWindow)
        m_sourceWindow->hide();
}

void clsSysTray::setContextMenu(QMenu* menu) {
    m_icon.setContextMenu(menu);
}

// The record applied to the desktop's icon. An icon without a picture waits
// for one before it shows.
void clsSysTray::notifyIcon(Operation operation) {
    if (operation == Operation::Delete) {
        m_added = false;
        m_icon.hide();
        return;
    }
    m_icon.setIcon(m_record.hIcon);
    m_icon.setToolTip(tipText(m_record.szTip));
    m_added = m_added || operation == Operation::Add;
    if (m_added && !m_record.hIcon.isNull())
        m_icon.show();
}

void clsSysTray::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    for (int message : messagesOf(reason))
        pichook_MouseMove(0, 0, pixelsToTwips(message), 0);
}

void clsSysTray::pichook_MouseMove(int, int, double x, double) {
    // Messages sent before there is a hook reach nothing.
    if (m_record.hWnd == 0)
        return;
    handleMouseMessage(twipsToPixels(qRound(x)));
}

void clsSysTray::handleMouseMessage(int message) {
    if (m_busy)
        return;
    m_busy = true;
    switch (message) {
    case LeftButtonDown:
        emit LButtonDown();
        break;
    case LeftButtonUp:
        emit LButtonUp();
        break;
    case LeftButtonDoubleClick:
        HandleDefaultDblClk();
        break;
    case RightButtonDown:
        emit RButtonDown();
        break;
    case RightButtonUp:
        emit RButtonUp();
        break;
    case RightButtonDoubleClick:
        emit RButtonDblClk();
        break;
    default:
        break;
    }
    m_busy = false;
}

void clsSysTray::HandleDefaultDblClk() {
    if (m_defaultDblClk && m_sourceWindow) {
        if (m_sourceWindow->isMinimized()) {
            m_sourceWindow->setWindowState(Qt::WindowMaximized);
            m_sourceWindow->show();
        } else {
            m_sourceWindow->setWindowState(m_sourceWindow->windowState() | Qt::WindowMinimized);
            m_sourceWindow->hide();
        }
    }
    emit LButtonDblClk();
}
