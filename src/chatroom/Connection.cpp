// The link to the IRC server: connect and cancel, registration, the one writer of
// the socket, the receive loop, the socket's events, reconnecting, disconnecting.
#include "chatroom/Channel.h"

#include "account/Login.h"
#include "account/frmPassword.h"
#include "chatroom/BuddyList.h"
#include "chatroom/DebugWin.h"
#include "chatroom/ServerHandlers.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "platform/TextCodec.h"
#include "platform/Waits.h"
#include "platform/WebBrowser.h"
#include "support/ColouredText.h"
#include "support/Globals.h"
#include "support/Timing.h"
#include "support/WebAddresses.h"
#include "support/WindowTables.h"
#include "widgets/frmPopup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr qint64 kBatchMs = 100;

// A line never carries its own line end: whatever follows a CR or LF inside it
// would reach the server as a command of its own.
QString oneLine(const QString& text) {
    for (qsizetype k = 0; k < text.size(); ++k)
        if (text[k] == u'\r' || text[k] == u'\n')
            return text.left(k);
    return text;
}

} // namespace

void Channel::SendData(const QString& text) {
    if (sock.State() == Winsock::sckClosed)
        return;
    const QString line = oneLine(text);
    sock.SendData(encodeText(line) + '\n');
    logTraffic(QStringLiteral("<< "), line);
}

void Channel::logTraffic(const QString& marker, const QString& text) {
    DebugWin* traffic = DebugWin::loaded();
    if (traffic && traffic->isVisible())
        traffic->append(marker + text + CrLf);
}

void Channel::sock_DataArrival(qint64) {
    if (takesDataNow())
        ReceiveChunk(sock.State() != Winsock::sckClosed ? sock.GetData() : QByteArray());
}

// Data is taken at once when the receive loop is idle, while a line's handler
// waits (up to the queue's bound) and when the connection ends. Otherwise the
// loop takes it itself after its batch, so a flood waits in the network, not in
// memory.
bool Channel::takesDataNow() const {
    if (sock.State() != Winsock::sckConnected || !m_receiving)
        return true;
    return handlerWaits() && !RecvQueue.full();
}

void Channel::ReceiveChunk(const QByteArray& data) {
    queueArrived(data);
    takeTurns();
}

// What is queued has its turn now, unless the receive loop already runs (this
// is then inside one of its handlers): meanwhile the keep-alive is answered.
void Channel::takeTurns() {
    if (m_receiving)
        answerWaitingPings();
    else
        runReceiveLoop();
}

// Moves arrived data into the receive buffer and queues the lines that are
// ready, after the notice of an over-long line that ended before them.
void Channel::queueArrived(const QByteArray& data) {
    DebugWin* traffic = DebugWin::loaded();
    if (traffic && traffic->isVisible())
        traffic->logReceived(decodeText(data));
    QList<QByteArray> pieces;
    QList<qsizetype> dropped;
    RecvBuffer.append(data, pieces, dropped);
    for (const qsizetype size : dropped)
        RecvQueue.push(ReceiveQueue::DroppedLine{size});
    for (QByteArray& piece : pieces)
        RecvQueue.push(std::move(piece));
}

void Channel::showDroppedLine(qsizetype size) {
    showInMain(Colour("04") + QStringLiteral("* Dropped a line of %1 bytes, longer than 1 MiB").arg(size));
}

// The connection's stream has ended: an unfinished line goes, and an over-long
// one cut off by the end is told.
void Channel::finishReceiving() {
    if (const qsizetype dropped = RecvBuffer.finish())
        showDroppedLine(dropped);
}

// Interprets queued lines in the order they arrived. Interpretation never nests:
// events pumped by a line may bring more data, which joins the queue and is
// interpreted here after the lines before it. During a flood the panes lay out
// what arrived in a batch of up to a tenth of a second at once. Once the program
// is ending the lines left are not interpreted.
void Channel::runReceiveLoop() {
    m_receiving = true;
    m_loopWaitDepth = Waits::depth();
    while (!RecvQueue.empty() && !programEnding()) {
        RichTextBox::Batch batch;
        QElapsedTimer batchTime;
        batchTime.start();
        do {
            interpretQueued();
            if (sock.bytesAvailable() > 0)
                queueArrived(sock.GetData());
        } while (!RecvQueue.empty() && batchTime.elapsed() < kBatchMs && !programEnding());
        releaseHeldMembers();
    }
    m_receiving = false;
}

// The turns queued now; what arrives meanwhile waits for the next round.
void Channel::interpretQueued() {
    for (std::size_t n = RecvQueue.size(); n > 0 && !RecvQueue.empty() && !programEnding(); --n)
        takeTurn(RecvQueue.pop());
}

void Channel::takeTurn(const ReceiveQueue::Turn& turn) {
    if (const auto* next = std::get_if<ReceiveQueue::Line>(&turn)) {
        if (next->answered)
            return;
        QString line = decodeText(next->bytes);
        interpret(line);
        return;
    }
    releaseHeldMembers();
    if (const auto* dropped = std::get_if<ReceiveQueue::DroppedLine>(&turn)) {
        showDroppedLine(dropped->size);
    } else if (const auto* end = std::get_if<ReceiveQueue::ConnectionEnd>(&turn)) {
        if (end->errorNumber == 0)
            onServerClosed();
        else
            onSocketError(end->description);
    }
}

// A line's handler waits in a pause or a box while later lines wait their turn.
bool Channel::handlerWaits() const {
    return m_receiving && Waits::depth() > m_loopWaitDepth;
}

// Meanwhile what has come is read and the server's keep-alive requests in it
// are answered at once, so that the server does not drop a user who leaves a
// box open.
void Channel::answerWaitingPings() {
    if (!handlerWaits())
        return;
    if (!RecvQueue.full() && sock.bytesAvailable() > 0)
        queueArrived(sock.GetData());
    RecvQueue.answerPings([this](const IrcMessage& msg) { Handlers::answerPing(*this, msg); });
}

void Channel::mnu_File_Connect_Click() {
    if (mnu_File_Connect->text() == QLatin1String("&Connect"))
        startConnectAttempt();
    else if (mnu_File_Connect->text() == QLatin1String("&Cancel"))
        cancelConnectAttempt();
    showChatterCount(QStringLiteral("  "));
}

void Channel::startConnectAttempt() {
    Timer1.stop();
    sock.Close();
    mnu_File_Connect->setText(QStringLiteral("&Cancel"));
    sock.RemoteHost = G().ServerHost;
    sock.RemotePort = Text1->text().toLong();
    // A partial line of an earlier connection must not prefix the first line of this one.
    finishReceiving();
    RecvQueue.clear();
    IDENT.Close();
    IDENT.Listen(); // without the ident port the connection goes ahead all the same
    showInMain(Colour("02") + QStringLiteral("Connecting to ") + Bold(ServerCaption) +
               QStringLiteral(" port ") + Chr2 + QString::number(sock.RemotePort));
    sock.Connect();
    Login& login = Login::form();
    login.offerSignOut();
    login.lockFields(true);
}

void Channel::cancelConnectAttempt() {
    Timer1.stop();
    Login& login = Login::form();
    login.stopSignIn();
    sock.Close();
    IDENT.Close();
    Text1->setText(QStringLiteral("6667"));
    mnu_File_Connect->setText(QStringLiteral("&Connect"));
    showInMain(Colour("05") + QStringLiteral("Connection attempt cancelled"));
    login.lockFields(false);
}

void Channel::resetConnectionMenus() {
    mnu_File_Connect->setEnabled(true);
    mnu_File_Connect->setText(QStringLiteral("&Connect"));
    mnu_File_Disconnect->setEnabled(false);
}

void Channel::endStay() {
    resetConnectionMenus();
    Update();
    showChatterCount(QStringLiteral("  "));
}

void Channel::sock_Connect() {
    clearNickList();
    unloadAllQueries();
    mnu_File_Connect->setEnabled(false);
    mnu_File_Disconnect->setEnabled(true);
    mnu_File_Connect->setText(QStringLiteral("&Connect"));
    showInMain(Colour("03") + QStringLiteral("Attempting To Connect ") + ServerCaption);
    Login& login = Login::form();
    SendData(QStringLiteral("NICK ") + login.typedNick());
    // The protocol's four parameters: user, mode, unused, real name.
    SendData(QStringLiteral("USER ") + Label7->text() + QStringLiteral(" Client-User * :") + G().FullName);
    Update();
    login.Login_Log();
    Pause(0.5);
    Home->Navigate(WebAddresses::Home);
    Pause(0.5);
    Misc->Navigate(WebAddresses::Misc);
    Timer1.stop();
}

// The end of the connection takes its turn after the lines that came before it.
void Channel::sock_Close() {
    RecvQueue.push(ReceiveQueue::ConnectionEnd{});
    takeTurns();
}

void Channel::sock_Error(int number, const QString& description) {
    RecvQueue.push(ReceiveQueue::ConnectionEnd{number, description});
    takeTurns();
}

void Channel::onServerClosed() {
    finishReceiving();
    showInMain(Colour("02") + QStringLiteral("Disconnected by SERVER from ") + G().ServerHost);
    sock.Close();
    ClearModes();
    IDENT.Close();
    clearNickList();
    TotalChatters = 0;
    showChatterCount(QStringLiteral("  "));
    resetConnectionMenus();
    Update();
    BuddyList::form().clearOnline();
    Login::form().showSignedOut();
}

void Channel::onSocketError(const QString& description) {
    finishReceiving();
    resetConnectionMenus();
    showInMain(Colour("04") + QStringLiteral("ERROR : ") + description);
    clearNickList();
    TotalChatters = 0;
    showChatterCount(QStringLiteral("  "));
    Text1->setText(QStringLiteral("8867"));
    Login& login = Login::form();
    login.showSignedOut();
    frmPopup::form().showMessage(description);
    login.lockFields(false);
    if (G().ReconnectOn)
        Timer1.start();
}

void Channel::Timer1_Timer() {
    mnu_File_Connect_Click();
}

void Channel::mnu_File_Disconnect_Click() {
    SendData(QStringLiteral("QUIT :") + G().QuitMsg);
    resetConnectionMenus();
    showInMain(Colour("05") + QStringLiteral("You are Disconnected from ") + ServerCaption);
    sock.Close();
    ClearModes();
    Update();
    clearNickList();
    Text1->setText(QStringLiteral("6667"));
    TotalChatters = 0;
    showChatterCount(QStringLiteral("  "));
    Login& login = Login::form();
    login.Login_UnLog();
    login.stopSignIn();
    login.lockFields(false);
}

// Identifies to the nickname service with the password held for this run.
void Channel::PassWord() {
    const QString password = Login::form().servicePassword();
    if (password.isEmpty())
        return;
    FormSlot<frmPassword>::unload();
    SendData(QStringLiteral("PRIVMSG NickServ :IDENTIFY ") + password);
}
