// Small stand-ins for the room and conversation windows, so the shared
// procedures can be tested without the program's windows.
#pragma once

#include "fixtures/TestProgram.h"
#include "platform/RichTextBox.h"
#include "support/Globals.h"
#include "support/NickEntry.h"
#include "support/QueryWindow.h"
#include "support/RoomWindow.h"
#include "support/Windows.h"

#include <QObject>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class StandInRoom : public RoomWindow {
public:
    QString name, tag, topicTag = "locked", key;
    qint16 limit = 0;
    std::vector<NickEntry> nicks;
    QStringList modes;
    QStringList calls; // the member changes asked for, in order
    bool refusePrivateChat = false;
    QStringList blocked;
    bool socketClosed = true;
    RichTextBox pane;

    QString RoomName() const override { return name; }
    void setRoomName(const QString& n) override { name = n; }
    QString Tag() const override { return tag; }
    void setTag(const QString& t) override { tag = t; }
    void MakeVisible() override {}
    RichTextBox& DataInPane() override { return pane; }
    void setTopicTag(const QString& t) override { topicTag = t; }
    void AddNick(const QString& n) override { nicks.push_back(NickEntry{n}); }
    bool InChannel(const QString& n) const override {
        for (const NickEntry& e : nicks)
            if (e.Nick.compare(n, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
    void RemoveNick(const QString& n) override { calls << "remove " + n; }
    void ChangeNck(const QString& o, const QString& n) override { calls << "rename " + o + " " + n; }
    QString GetNick(int index) const override { return nicks.at(static_cast<std::size_t>(index - 1)).Nick; }
    int NickCount() const override { return static_cast<int>(nicks.size()); }
    void SetOp(const QString& n, bool v) override { calls << QString("op %1 %2").arg(n).arg(v); }
    void SetVoice(const QString& n, bool v) override { calls << QString("voice %1 %2").arg(n).arg(v); }
    void SetHelper(const QString& n, bool v) override { calls << QString("helper %1 %2").arg(n).arg(v); }
    void AddMode(const QString& m) override {
        if (!modes.contains(m))
            modes << m;
    }
    void RemoveMode(const QString& m) override { modes.removeAll(m); }
    void setChannelKey(const QString& k) override { key = k; }
    void setUserLimit(qint16 l) override { limit = l; }
    bool PrivateChatSoundOn() const override { return false; }
    bool PrivateChatRefused() const override { return refusePrivateChat; }
    bool IsBlocked(const QString& n) const override { return blocked.contains(n, Qt::CaseInsensitive); }
    bool ServerSocketClosed() const override { return socketClosed; }
    QString ServerRemoteHost() const override { return "irc.example"; }
    long ServerRemotePort() const override { return 6667; }
    void ToggleBuddyList() override { calls << "buddy list"; }
};

class StandInQuery : public QObject, public QueryWindow {
public:
    QString nick, host, caption, lblNick, lblHost, tag;
    QStringList shown; // PutText calls as "nick: text"
    int raised = 0;
    RichTextBox pane;

    QString QueryNick() const override { return nick; }
    void setQueryNick(const QString& n) override { nick = n; }
    QString QueryHost() const override { return host; }
    void setQueryHost(const QString& h) override { host = h; }
    void setCaption(const QString& c) override { caption = c; }
    void setLblNick(const QString& t) override { lblNick = t; }
    void setLblHost(const QString& t) override { lblHost = t; }
    void setTag(const QString& t) override { tag = t; }
    void MakeVisible() override {}
    void bringToFront() override { ++raised; }
    RichTextBox& DataInPane() override { return pane; }
    void PutText(const QString& n, const QString& text) override { shown << n + ": " + text; }
    void unloadWindow() override {
        nick.clear();
        deleteLater();
    }
    bool unloading() const override { return false; }
    QObject* object() override { return this; }
};

// Installs the stand-ins for one test and puts back the windows the test program
// had after.
class StandInWindows {
public:
    StandInRoom room;
    std::vector<StandInQuery*> created;

    StandInWindows() {
        Globals::reset();
        Windows::setRoomLoader([this]() -> RoomWindow& { return room; });
        Windows::setQueryFactory([this]() -> QueryWindow* {
            created.push_back(new StandInQuery);
            return created.back();
        });
    }
    ~StandInWindows() {
        for (int k = 1; k <= Globals::kMaxQueries; ++k)
            delete G().Queries[k].object.data();
        Globals::reset();
        Windows::setRoomLoader(nullptr);
        Windows::setQueryFactory(nullptr);
        registerTestedWindows();
    }
    StandInQuery* query(int slot) const { return static_cast<StandInQuery*>(G().Queries[slot].get()); }
    // Closing a conversation frees its slot and destroys the window.
    void close(int slot) {
        StandInQuery* q = query(slot);
        q->nick.clear();
        delete q;
    }
};
