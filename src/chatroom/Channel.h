#pragma once

#include "chatroom/ModeStore.h"
#include "chatroom/NickList.h"
#include "platform/Form.h"
#include "platform/Winsock.h"
#include "support/IrcText.h"
#include "support/RateLimit.h"
#include "support/ReceiveBuffer.h"
#include "support/ReceiveQueue.h"
#include "support/RoomWindow.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class RichTextBox;

// The chat-room window: the room's conversation and members, and the one link to
// the IRC server. Its behaviour is split by concern over several files
// (connection, ident, interpreter, room events, pane, CTCP, service notices);
// this header holds its controls and public procedures.
class Channel : public Form, public RoomWindow {
    Q_OBJECT
public:
    Channel();
    ~Channel() override;

    static Channel& form() { return FormSlot<Channel>::get(); }
    static Channel* loaded() { return FormSlot<Channel>::loaded(); }

    void Form_Load() override;
    // Closing the window only hides it (after a question) and shows the sign-in window.
    void Form_Unload(bool& cancel) override;

    // RoomWindow
    QString RoomName() const override { return m_roomName; }
    void setRoomName(const QString& name) override { m_roomName = name; }
    QString Tag() const override { return m_tag; }
    void setTag(const QString& tag) override { m_tag = tag; }
    void MakeVisible() override;
    RichTextBox& DataInPane() override { return *DataIn; }
    void setTopicTag(const QString& tag) override;
    void AddNick(const QString& name) override;
    bool InChannel(const QString& nick) const override { return Nicks.InChannel(nick); }
    void RemoveNick(const QString& nick) override;
    void ChangeNck(const QString& oldNick, const QString& newNick) override;
    QString GetNick(int index) const override { return Nicks.GetNick(index); }
    int NickCount() const override { return Nicks.NickCount(); }
    void SetOp(const QString& nick, bool value) override { Nicks.SetFlag(nick, &NickEntry::Op, value); }
    void SetVoice(const QString& nick, bool value) override { Nicks.SetFlag(nick, &NickEntry::Voice, value); }
    void SetHelper(const QString& nick, bool value) override { Nicks.SetFlag(nick, &NickEntry::Helper, value); }
    void AddMode(const QString& letter) override;
    void RemoveMode(const QString& letter) override;
    void setChannelKey(const QString& key) override { ChannelKey = key; }
    void setUserLimit(qint16 limit) override { UserLimit = limit; }
    bool PrivateChatSoundOn() const override;
    bool PrivateChatRefused() const override;
    bool IsBlocked(const QString& nick) const override;
    bool ServerSocketClosed() const override { return sock.State() == Winsock::sckClosed; }
    QString ServerRemoteHost() const override { return sock.RemoteHost; }
    long ServerRemotePort() const override { return sock.RemotePort; }
    void ToggleBuddyList() override;

    // Connection (one writer of the server socket; lines never carry a line end).
    void SendData(const QString& text);
    void mnu_File_Connect_Click();
    void mnu_File_Disconnect_Click();
    void PassWord();
    void interpret(QString& line);
    // The bytes of one arrival from the server, on their way to the interpreter.
    void ReceiveChunk(const QByteArray& data);

    // Members of the room.
    void SetOwner(const QString& nick, bool value) { Nicks.SetFlag(nick, &NickEntry::Owner, value); }
    void SetSOp(const QString& nick, bool value) { Nicks.SetFlag(nick, &NickEntry::SOp, value); }
    bool isOp(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Op); }
    bool isVoice(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Voice); }
    bool isHalfOp(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Helper); }
    // The text of the selected nick-list item, "" when none is selected.
    QString lstNicksText() const;
    // The exit of the whole program.
    void mnu_terminate_Click();
    // Modes of the room.
    void ClearModes();
    QString ModeString() const { return Modes.ModeString(); }
    void Update();

    // Room pane and input line.
    void PutText(const QString& nick, const QString& text);
    void DoHistory();
    void selectcolor(const QString& code);
    void CheckRTF(RichTextBox& rtb, int position, int added);
    void DataOut_KeyPress(int& keyAscii);
    void DataOut_KeyDown(int& keyCode);
    void mnu_options_clear_Click();

    // CTCP.
    void HandleCTCP(const QString& nick, QString& text);
    void CTCPReply(const QString& nick, const QString& reply);

    // Socket events.
    void sock_Connect();
    void sock_DataArrival(qint64 bytesTotal);
    void sock_Close();
    void sock_Error(int number, const QString& description);
    void IDENT_ConnectionRequest(long requestID);
    void IDENT_DataArrival(qint64 bytesTotal);
    void IDENT_Error(int number, const QString& description);
    void Timer1_Timer();

    // Controls.
    QMenu* mnu_File = nullptr;
    QAction* mnu_File_Connect = nullptr;
    QAction* mnu_File_Disconnect = nullptr;
    QAction* mnu_options_clear = nullptr;
    QAction* mnu_Terminate = nullptr; // "&Exit Application"
    QAction* mnu_pm_no = nullptr;    // "&Yes": private chat on
    QAction* mnu_pm_yes = nullptr;   // "&No": private chat off
    QAction* mnu_sound_no = nullptr; // "&Yes": private-chat sound on
    QAction* mnu_sound_yes = nullptr; // "&No": private-chat sound off
    QAction* mnu_blocked = nullptr;  // "Block Conversation" of the nick-list menu
    RichTextBox* DataIn = nullptr;   // the room pane
    RichTextBox* rtbTopic = nullptr; // the topic box
    QLineEdit* DataOut = nullptr;    // the input line
    QPushButton* Image2 = nullptr;   // send
    QCheckBox* Check3 = nullptr;     // "Bold"
    QCheckBox* Check4 = nullptr;     // "UnderLine"
    QPushButton* check2 = nullptr;   // colour button; its face shows the chosen colour
    QListView* lstNicks = nullptr;
    QLabel* cmdCount = nullptr;
    QLineEdit* Text1 = nullptr; // port of the next connection attempt
    QLabel* Label7 = nullptr;   // the computer name
    QTimer Timer1;              // reconnect
    Winsock sock;
    Winsock IDENT;

    // Members.
    ReceiveBuffer RecvBuffer;
    ReceiveQueue RecvQueue; // lines cut from received data, not yet interpreted
    qint16 TotalChatters = 0;
    NickList Nicks;
    ModeStore Modes;
    QString ChannelKey;
    qint16 UserLimit = 0;
    QString BoldCode;      // Chr(2) while bold is ticked
    QString UnderlineCode; // Chr(31) while underline is ticked
    QString ColourCode;    // colour number of outgoing lines, or "rainbow"
    QStringList SentLines; // the typed-line history
    qint16 HistoryPos = 0;

    // The server named in connection messages.
    static inline const QString ServerCaption = QStringLiteral("Tazmir Korvu Server");


private:
    void buildWindow();
    void buildMenus();
    void connectSockets();
    void connectPane();

    // Connection.
    void startConnectAttempt();
    void cancelConnectAttempt();
    void showChatterCount(const QString& gap);
    void resetConnectionMenus();
    void clearNickList();
    // Between these, member changes update the list and the count once, at the end.
    void beginMemberBatch();
    void endMemberBatch();
    void runReceiveLoop();
    void interpretQueued();
    void queueArrived(const QByteArray& data);
    void showDroppedLine(qsizetype size);
    void finishReceiving();
    bool handlerWaits() const;
    bool takesDataNow() const;
    void answerWaitingPings();
    void answerPing(const IrcMessage& msg);
    void logTraffic(const QString& marker, const QString& text);

    // Interpreter: the dispatch table and the handlers of its rows.
    struct Dispatch;
    void dispatch(const IrcMessage& msg);
    Channel* roomOf(const QString& name); // the room window showing name, if any
    void onWelcome(const IrcMessage& msg);
    void onRegistrationReply(const IrcMessage& msg);
    void onJoin(const IrcMessage& msg);
    void onPart(const IrcMessage& msg);
    void onNames(const IrcMessage& msg);
    void onKick(const IrcMessage& msg);
    void onNick(const IrcMessage& msg);
    void onPrivmsg(const IrcMessage& msg);
    void showPrivateInRoom(const IrcMessage& msg, const QString& text);
    void onMode(const IrcMessage& msg);
    void onTopicReply(const IrcMessage& msg);
    void onTopicChange(const IrcMessage& msg);
    void onTopicSetter(const IrcMessage& msg);
    void onRoomAddress(const IrcMessage& msg);
    void onWhoisReply(const IrcMessage& msg);
    void showTopic(const QString& topic);
    void onDefault(const IrcMessage& msg);
    void showInMain(const QString& text);

    // Nickname service, nick errors and forced disconnects.
    void onNotice(const IrcMessage& msg);
    void onNickInUse(const IrcMessage& msg);
    void onNickMissing(const IrcMessage& msg);
    void onNickInvalid(const IrcMessage& msg);
    void onOwnKick(const IrcMessage& msg);
    void onKill(const IrcMessage& msg);
    void onCannotJoin(const IrcMessage& msg);
    void endStay();

    // Room pane and input line.
    void sendTypedLine();
    void topicKeyDown(int& keyCode);
    void topicKeyPress(int& keyAscii);

    QString m_roomName;
    QString m_tag;
    bool m_receiving = false;        // the receive loop runs (interpretation never nests)
    int m_loopWaitDepth = 0;         // the waits in progress when it began
    RateLimit m_ctcpReplies{5, 10000}; // answered CTCP requests: 5 in any 10 s
    QElapsedTimer m_ctcpClock;
    int m_memberBatch = 0;
    QString m_countGap;              // the gap of the count caption still to be shown
};
