#pragma once

#include <QString>

class RichTextBox;

// What the shared procedures need of a room window (the program has one: the
// chat-room window). The window implements it; tests of the procedures may give
// a small stand-in.
class RoomWindow {
public:
    virtual ~RoomWindow() = default;

    // The room it shows, its table tag ("1", or "PARTNOW" once a part is asked).
    virtual QString RoomName() const = 0;
    virtual void setRoomName(const QString& name) = 0;
    virtual QString Tag() const = 0;
    virtual void setTag(const QString& tag) = 0;
    virtual void MakeVisible() = 0;
    virtual RichTextBox& DataInPane() = 0;
    // "" lets the user edit the topic, "locked" does not.
    virtual void setTopicTag(const QString& tag) = 0;

    // Members.
    virtual void AddNick(const QString& name) = 0;
    virtual bool InChannel(const QString& nick) const = 0;
    virtual void RemoveNick(const QString& nick) = 0;
    virtual void ChangeNck(const QString& oldNick, const QString& newNick) = 0;
    virtual QString GetNick(int index) const = 0; // 1-based, in order of arrival
    virtual int NickCount() const = 0;
    virtual void SetOp(const QString& nick, bool value) = 0;
    virtual void SetVoice(const QString& nick, bool value) = 0;
    virtual void SetHelper(const QString& nick, bool value) = 0;

    // Modes.
    virtual void AddMode(const QString& letter) = 0;
    virtual void RemoveMode(const QString& letter) = 0;
    virtual void setChannelKey(const QString& key) = 0;
    virtual void setUserLimit(qint16 limit) = 0;

    // Options of the window's menus.
    virtual bool PrivateChatSoundOn() const = 0;
    // No conversation window may open (private chat switched off).
    virtual bool PrivateChatRefused() const = 0;
    // The nick is on the block list.
    virtual bool IsBlocked(const QString& nick) const = 0;

    // The server connection.
    virtual bool ServerSocketClosed() const = 0;
    virtual QString ServerRemoteHost() const = 0;
    virtual long ServerRemotePort() const = 0;
    // Loads the buddy list when it is not shown, unloads it when it is.
    virtual void ToggleBuddyList() = 0;
};
