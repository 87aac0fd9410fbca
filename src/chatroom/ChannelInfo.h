#pragma once

#include "platform/Form.h"

class QTreeWidget;
class xpButton;

// The room's ban, exception or invitation list as the server reports it. The
// first column's header names the list shown and decides what Remove sends.
class ChannelInfo : public Form {
    Q_OBJECT
public:
    ChannelInfo();

    static ChannelInfo& form() { return FormSlot<ChannelInfo>::get(); }
    static ChannelInfo* loaded() { return FormSlot<ChannelInfo>::loaded(); }

    // One reply line of a list: a row with the mask, who set it and when (a
    // Unix time as text; one that is not a number leaves "When" empty).
    void AddBEI(const QString& mask, const QString& setBy, const QString& time);
    // Shows the window modal to the other windows without a loop of its own, so
    // the caller (the receive loop) goes on at once.
    void showModalAndReturn();

    void cmdBans_Click();
    void cmdExcepts_Click();
    void cmdInvites_Click();
    void cmdRemove_Click();
    void cmdOK_Click();

    QString strChannel; // the room whose lists are asked for
    QTreeWidget* lvBans = nullptr;
    xpButton* cmdBans = nullptr;
    xpButton* cmdExcepts = nullptr;
    xpButton* cmdInvites = nullptr;
    xpButton* cmdRemove = nullptr;
    xpButton* cmdOK = nullptr;

private:
    void buildList(QWidget* client);
    // Empties the rows, names the list and asks the server for it.
    void requestList(const QString& header, const QString& letter);
    void clearRows();

    quint64 m_clears = 0; // tells a row added before a clear from one added after
};
