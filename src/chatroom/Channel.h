#pragma once

#include "chatroom/ModeStore.h"
#include "chatroom/NickList.h"
#include "chatroom/RoomDesign.h"
#include "platform/Form.h"
#include "platform/ListBoxView.h" // the nick list is a list view to its readers
#include "platform/Winsock.h"
#include "support/InputHistory.h"
#include "support/IrcText.h"
#include "support/RateLimit.h"
#include "support/ReceiveBuffer.h"
#include "support/ReceiveQueue.h"
#include "support/RoomWindow.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <deque>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class RichTextBox;
class WebBrowser;

// The chat-room window: the room's conversation and members, and the one link to
// the IRC server. Its behaviour is split by concern over several files
// (connection, ident, interpreter, room events, pane, CTCP, service notices);
// this header holds its controls and public procedures. The interpreter's
// handlers of server lines are free functions (ServerHandlers.h) that act on
// the window through these.
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
    void SetHelper(const QString& nick, bool value) override {
        Nicks.SetFlag(nick, &NickEntry::Helper, value);
    }
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
    // The connection state after the server ended the stay.
    void endStay();

    // Members of the room.
    void SetOwner(const QString& nick, bool value) { Nicks.SetFlag(nick, &NickEntry::Owner, value); }
    void SetSOp(const QString& nick, bool value) { Nicks.SetFlag(nick, &NickEntry::SOp, value); }
    bool isOp(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Op); }
    bool isVoice(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Voice); }
    bool isHalfOp(const QString& nick) const { return Nicks.FlagOf(nick, &NickEntry::Helper); }
    // The text of the selected nick-list item, "" when none is selected.
    QString lstNicksText() const;
    // The list and the entries go together: entries of an old connection must
    // not answer for people of the next one.
    void clearNickList();
    // Between these, member changes update the list and the count once, at the end.
    void beginMemberBatch();
    void endMemberBatch();
    // The exit of the whole program.
    void mnu_terminate_Click();
    // Modes of the room.
    void ClearModes();
    QString ModeString() const { return Modes.ModeString(); }
    void Update();

    // Room pane and input line.
    void PutText(const QString& nick, const QString& text);
    // One coloured line in the room pane.
    void showInMain(const QString& text);
    void DoHistory();
    // The codes before each outgoing line, the room's and its conversations': the
    // chosen bold, colour and underline.
    QString outgoingStyle() const;
    void selectcolor(const QString& code);
    void CheckRTF(RichTextBox& rtb, int position, int added);
    void DataOut_KeyPress(int& keyAscii);
    void DataOut_KeyDown(int& keyCode);
    void mnu_options_clear_Click();

    // Layout: the minimum size and the rows that place the controls, in twips.
    void Form_Resize();
    // The outer size in twips: the client area and the frame the design counts.
    int OuterWidth() const;
    int OuterHeight() const;
    void setOuterSize(int width, int height);

    // Frame: the tab strip and its contents, the browser toolbars, the windows
    // that the frame's items open, the warning about private windows.
    void TBar_Click();
    void myHome();
    void myMisc();
    void myChatRoom();
    void ToolBar1_ButtonClick(const QString& key);
    void Toolbar2_ButtonClick(const QString& key);
    void mnu_File_changepass_Click();
    void mnu_File_changenick_Click();
    void mnu_register_nickname_Click();
    void mnu_Homepage_Click();
    void closequery();
    // Buttons and items that only open a side window or a picker.
    void check1_Click();
    void check2_Click();
    void Command3_Click();
    void command1_Click();
    void Label4_Click();
    void Label5_Click();
    void mnu_About_Click();
    void mnu_author_Click();
    void mnu_view_fontsize_Click();
    void mnu_ingorelist_Click();
    void mnu_View_Buddylist_Click();
    void mnu_chan_ban_Click();

    // The nick list's pop-up and the commands on the selected nick (button 2 is
    // the right button; x and y in twips).
    void lstNicks_MouseDown(int button, int shift, int x, int y);
    void lstNicks_DblClick();
    void mnu_nicks_pm_Click();
    void mnu_nicks_whois_Click();
    void mnu_nicks_op_Click();
    void mnu_nicks_halfop_Click();
    void mnu_nicks_voice_Click();
    void mnu_nicks_kick_Click();
    void mnu_nicks_ban_Click();
    void mnu_blocked_Click();
    // Social actions on the selected nick, and the own action.
    void mnu_slap_Click();
    void mnu_hi_Click();
    void mnu_welcome_Click();
    void mnu_hugs_Click();
    void mnu_handshake_Click();
    void mnu_ownaction_Click();
    void Label1_Click();

    // Status: the fixed away messages and the own-reason toggle.
    void mnu_status_brb_Click();
    void mnu_status_lunch_Click();
    void mnu_status_phone_Click();
    void mnu_status_busy_Click();
    void mnu_status_afk_Click();
    void mnu_status_away_Click();
    // The run-time options: private chat and its sound, on ("&Yes") or off ("&No").
    void mnu_pm_no_Click();
    void mnu_pm_yes_Click();
    void mnu_sound_no_Click();
    void mnu_sound_yes_Click();

    // CTCP: the answer to a request, within the rate the server tolerates.
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

    // Menus, in the order of the menu bar; the nick-list menu pops up only.
    QMenu* mnu_File = nullptr;
    QAction* mnu_File_Connect = nullptr;
    QAction* mnu_File_Disconnect = nullptr;
    QMenu* mnu_File_Register = nullptr;
    QAction* mnu_register_nickname = nullptr;
    QAction* mnu_options_clear = nullptr;
    QAction* mnu_Terminate = nullptr; // "&Exit Application"
    QMenu* mnu_option = nullptr;
    QMenu* mnu_file_change = nullptr;
    QAction* mnu_File_changenick = nullptr;
    QAction* mnu_File_changepass = nullptr;
    QAction* mnu_view_fontsize = nullptr;
    QMenu* mnu_view_status = nullptr;
    QAction* mnu_status_brb = nullptr;
    QAction* mnu_away_dinner = nullptr;
    QAction* mnu_status_lunch = nullptr;
    QAction* mnu_status_phone = nullptr;
    QAction* mnu_status_busy = nullptr;
    QAction* mnu_status_afk = nullptr;
    QAction* mnu_status_away = nullptr; // its caption is the away state
    QMenu* mnu_options_pm = nullptr;
    QAction* mnu_pm_no = nullptr;  // "&Yes": private chat on
    QAction* mnu_pm_yes = nullptr; // "&No": private chat off
    QMenu* mnu_sound = nullptr;
    QAction* mnu_sound_no = nullptr;  // "&Yes": private-chat sound on
    QAction* mnu_sound_yes = nullptr; // "&No": private-chat sound off
    QMenu* mnu_view = nullptr;
    QAction* mnu_chan_ban = nullptr;
    QAction* mnu_View_Buddylist = nullptr;
    QAction* mnu_ingorelist = nullptr;
    QMenu* mnu_Help = nullptr;
    QAction* mnu_About = nullptr;
    QAction* mnu_author = nullptr;
    QAction* mnu_Homepage = nullptr;
    QMenu* mnu_nicks = nullptr;
    QAction* mnu_nicks_pm = nullptr;
    QAction* mnu_blocked = nullptr; // "Block Conversation"; never checked
    QAction* mnu_slap = nullptr;
    QMenu* mnu_action = nullptr;
    QAction* mnu_hi = nullptr;
    QAction* mnu_welcome = nullptr;
    QAction* mnu_hugs = nullptr;
    QAction* mnu_handshake = nullptr;
    QAction* mnu_ownaction = nullptr;
    QAction* mnu_nicks_whois = nullptr;
    QAction* mnu_nicks_op = nullptr;     // its caption chooses +o or -o
    QAction* mnu_nicks_halfop = nullptr; // +h or -h
    QAction* mnu_nicks_voice = nullptr;  // +v or -v
    QAction* mnu_nicks_kick = nullptr;
    QAction* mnu_nicks_ban = nullptr;

    // Controls of the room.
    RichTextBox* DataIn = nullptr;   // the room pane
    RichTextBox* rtbTopic = nullptr; // the topic box
    QLineEdit* DataOut = nullptr;    // the input line
    QPushButton* Image2 = nullptr;   // send
    QCheckBox* Check3 = nullptr;     // "Bold"
    QCheckBox* Check4 = nullptr;     // "UnderLine"
    QPushButton* check2 = nullptr;   // colour button; its face shows the chosen colour
    QPushButton* check1 = nullptr;   // smileys
    QPushButton* Command3 = nullptr; // font
    QPushButton* command1 = nullptr; // block list
    ListBoxView* lstNicks = nullptr;
    QLabel* cmdCount = nullptr;
    QLabel* Label1 = nullptr; // "Own Action"
    QLabel* Label2 = nullptr; // "Topic:"
    QLabel* Label3 = nullptr; // footer
    QLabel* Label4 = nullptr; // "About"
    QLabel* Label5 = nullptr; // "Author"
    QLabel* Label6 = nullptr; // on the banner
    // Pictures.
    QLabel* Image1 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Image7 = nullptr;
    QLabel* Image9 = nullptr;
    QLabel* Image10 = nullptr;
    QLabel* Image11 = nullptr;
    QLabel* lstNick1 = nullptr;
    QLabel* lstNick2 = nullptr;
    QLabel* LstNick3 = nullptr;
    QLabel* txt1 = nullptr;
    QLabel* snd1 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* lstnicksShape = nullptr;
    // The frame: tabs, web panes and their toolbars.
    QTabBar* TBar = nullptr;
    WebBrowser* Home = nullptr;
    WebBrowser* Misc = nullptr;
    QToolBar* ToolBar1 = nullptr; // acts on Home
    QToolBar* Toolbar2 = nullptr; // acts on Misc
    QLineEdit* Text1 = nullptr;   // port of the next connection attempt
    QLabel* Label7 = nullptr;     // the computer name
    QTimer Timer1;                // reconnect
    Winsock sock;
    Winsock IDENT;

    // Members.
    ReceiveBuffer RecvBuffer;
    ReceiveQueue RecvQueue; // received lines, and what the stream told between them, not yet handled
    qint32 TotalChatters = 0;
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

    // The notification area's menu: a hidden top-level menu that the sign-in
    // window pops up from the tray icon.
    QMenu* mnu_systray = nullptr;
    QAction* mnu_systray_hide = nullptr;   // "&Show Main Window"
    QAction* mnu_chatroom = nullptr;       // "&Show ChatRoom"
    QAction* mnu_systray_about = nullptr;  // "&About Application/Software"
    QAction* mnu_author_systray = nullptr; // "&About Author/Creator"
    QAction* mnu_systray_exit = nullptr;   // "&Exit Application"
    void mnu_systray_hide_Click();
    void mnu_chatroom_Click();
    void mnu_systray_about_Click();
    void mnu_author_systray_Click();
    void mnu_systray_exit_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildPictures(QWidget* client);
    void buildRoomControls(QWidget* client);
    void buildInputControls(QWidget* client);
    void buildFrameControls(QWidget* client);
    QToolBar* newBrowserToolBar(QWidget* client, void (Channel::*handler)(const QString&));
    void listPlacedControls();
    void connectFrame();
    void buildMenus();

    // Layout.
    void enforceMinimumSize(int& W, int& H);
    void placeControls(int W, int H);
    void paneViewportResized();
    void followPaneWidth();
    void connectLayout();

    // Frame.
    struct TabContents;
    template <typename... Controls> static QList<QWidget*> widgets(Controls*... controls) {
        return {controls...};
    }
    void showTabContents(const TabContents& shown);
    void unloadOpenConversations();

    // Menus.
    QString selectedNick() const;
    void sendAction(const QString& text);
    void sendModeChange(QAction* item, const QString& plusCaption, const QString& letter);
    void socialAction(const QString& text);
    void setFixedStatus(const QString& awayText, const QString& action);
    void connectSockets();
    void connectPane();

    // Connection.
    void startConnectAttempt();
    void cancelConnectAttempt();
    void showChatterCount(const QString& gap);
    void resetConnectionMenus();
    void takeTurns();
    void runReceiveLoop();
    void interpretQueued();
    void takeTurn(const ReceiveQueue::Turn& turn);
    void holdMembersForNames(const QString& command);
    void releaseHeldMembers();
    void onServerClosed();
    void onSocketError(const QString& description);
    void queueArrived(const QByteArray& data);
    void showDroppedLine(qsizetype size);
    void finishReceiving();
    bool handlerWaits() const;
    bool takesDataNow() const;
    void answerWaitingPings();
    void logTraffic(const QString& marker, const QString& text);

    // Room pane and input line.
    void sendTypedLine();
    void topicKeyDown(int& keyCode);
    void topicKeyPress(int& keyAscii);
    InputHistory m_inputHistory{SentLines, HistoryPos};

    QString m_roomName;
    QString m_tag;
    bool m_receiving = false;          // the receive loop runs (interpretation never nests)
    int m_loopWaitDepth = 0;           // the waits in progress when it began
    RateLimit m_ctcpReplies{5, 10000}; // answered CTCP requests: 5 in any 10 s
    QElapsedTimer m_ctcpClock;
    int m_memberBatch = 0;
    bool m_holdingMembers = false; // the receive loop holds a member batch over names lines
    QString m_countGap;            // the gap of the count caption still to be shown

    // The placed controls and their twips geometry as the layout last set it.
    std::array<QWidget*, RoomDesign::PlacedCount> m_placed{};
    std::array<TwipsRect, RoomDesign::PlacedCount> m_geometry = RoomDesign::Design;
    int m_resizeDepth = 0; // Form_Resize runs nested when its own resize or pump resizes
    QTimer m_paneWrap;     // brings the pane's wrap width to its width once resizing stops
};
