#pragma once

#include "chatroom/ModeStore.h"
#include "platform/Form.h"
#include "platform/Winsock.h"
#include "support/IrcText.h"
#include "support/ReceiveBuffer.h"
#include "support/RoomWindow.h"

#include <QTimer>
#include <deque>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class RichTextBox;

// The chat-room window: the room's conversation and members, and the one link to
// the IRC server. Its behaviour is split by concern over several files
// (connection, ident, interpreter, ...); this header holds its controls and
// public procedures.
class Channel : public Form, public RoomWindow {
    Q_OBJECT
public:
    Channel();
    ~Channel() override;

    static Channel& form() { return FormSlot<Channel>::get(); }
    static Channel* loaded() { return FormSlot<Channel>::loaded(); }

    void Form_Load() override;

    // RoomWindow
    RichTextBox& DataInPane() override { return *DataIn; }
    bool PrivateChatSoundOn() const override;

    // Connection (one writer of the server socket; lines never carry a line end).
    void SendData(const QString& text);
    void mnu_File_Connect_Click();
    void mnu_File_Disconnect_Click();
    void PassWord();
    void interpret(QString& line);

    // Modes of the room.
    void Update();
    void ClearModes();

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
    RichTextBox* DataIn = nullptr;
    QListWidget* lstNicks = nullptr;
    QLabel* cmdCount = nullptr;
    QLineEdit* Text1 = nullptr; // port of the next connection attempt
    QLabel* Label7 = nullptr;   // the computer name
    QTimer Timer1;              // reconnect
    Winsock sock;
    Winsock IDENT;

    // Members.
    ReceiveBuffer RecvBuffer;
    qint16 TotalChatters = 0;
    ModeStore Modes;
    QString ColourCode; // colour number of outgoing lines

    // The server named in connection messages.
    static inline const QString ServerCaption = QStringLiteral("Tazmir Korvu Server");

private:
    void buildWindow();
    void buildMenus();
    void connectSockets();

    // Connection.
    void startConnectAttempt();
    void cancelConnectAttempt();
    void showChatterCount(const QString& gap);
    void resetConnectionMenus();
    void runReceiveLoop();
    void takeArrivedData();
    void logTraffic(const QString& marker, const QString& text);

    // Interpreter.
    void dispatch(IrcMessage& msg);

    std::deque<QByteArray> m_pieces; // lines cut from received data, not yet interpreted
    bool m_receiving = false;        // the receive loop runs (interpretation never nests)
};
