// The room window's menu bar and its nick-list pop-up, built from one table in
// the order the user sees them.
#include "chatroom/Channel.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace {

enum State : unsigned {
    Plain = 0,
    Checked = 1, // ticked at start
    Radio = 2,   // one of a pair under the same menu: choosing it unticks the other
    Disabled = 4,
    PopUp = 8, // a top-level menu that only pops up, never on the menu bar
};

using Handler = void (Channel::*)();

struct Item {
    int level;
    const char* name;
    const char* caption; // "-" for a separator
    unsigned state;
    QMenu* Channel::*menu;     // where a menu with items under it is kept
    QAction* Channel::*action; // where an item is kept
    Handler handler;           // nullptr: no handler of this window
};

using C = Channel;

constexpr Item kItems[] = {
    {0, "mnu_File", "&File", Plain, &C::mnu_File, nullptr, nullptr},
    {1, "mnu_File_Connect", "&Connect", Plain, nullptr, &C::mnu_File_Connect, &C::mnu_File_Connect_Click},
    {1, "mnu_File_Disconnect", "&Disconnect", Disabled, nullptr, &C::mnu_File_Disconnect,
     &C::mnu_File_Disconnect_Click},
    {1, "mnu_File_Register", "&Register", Plain, &C::mnu_File_Register, nullptr, nullptr},
    {2, "mnu_register_nickname", "Your Chat Name", Plain, nullptr, &C::mnu_register_nickname,
     &C::mnu_register_nickname_Click},
    {1, "mnu_options_clear", "&Get Clear Screen", Plain, nullptr, &C::mnu_options_clear,
     &C::mnu_options_clear_Click},
    {1, "LB1", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_Terminate", "&Exit Application", Plain, nullptr, &C::mnu_Terminate, &C::mnu_terminate_Click},
    {0, "mnu_option", "&Option", Plain, &C::mnu_option, nullptr, nullptr},
    {1, "mnu_file_change", "&Change", Plain, &C::mnu_file_change, nullptr, nullptr},
    {2, "mnu_File_changenick", "&Your NickName", Plain, nullptr, &C::mnu_File_changenick,
     &C::mnu_File_changenick_Click},
    {2, "mnu_File_changepass", "&Your Password", Plain, nullptr, &C::mnu_File_changepass,
     &C::mnu_File_changepass_Click},
    {2, "mnu_view_fontsize", "&Font Settings", Plain, nullptr, &C::mnu_view_fontsize,
     &C::mnu_view_fontsize_Click},
    {2, "mnu_view_status", "&Present Status", Plain, &C::mnu_view_status, nullptr, nullptr},
    {3, "mnu_status_brb", "&..:Be Right Back:..", Plain, nullptr, &C::mnu_status_brb,
     &C::mnu_status_brb_Click},
    {3, "mnu_away_dinner", "&..:On The Dinner:..", Plain, nullptr, &C::mnu_away_dinner, nullptr},
    {3, "mnu_status_lunch", "&..:On The Lunch:..", Plain, nullptr, &C::mnu_status_lunch,
     &C::mnu_status_lunch_Click},
    {3, "mnu_status_phone", "&..:On The Phone:..", Plain, nullptr, &C::mnu_status_phone,
     &C::mnu_status_phone_Click},
    {3, "mnu_status_busy", "&..:Busy:..", Plain, nullptr, &C::mnu_status_busy, &C::mnu_status_busy_Click},
    {3, "mnu_status_afk", "&..:Away From Keyboard:..", Plain, nullptr, &C::mnu_status_afk,
     &C::mnu_status_afk_Click},
    {3, "mnu_status_away", "&..:Away [Own Reason]:..", Plain, nullptr, &C::mnu_status_away,
     &C::mnu_status_away_Click},
    {1, "mnu_options_pm", "&Recieve/Send Private Chat", Plain, &C::mnu_options_pm, nullptr, nullptr},
    {2, "mnu_pm_no", "&Yes", Radio | Checked, nullptr, &C::mnu_pm_no, &C::mnu_pm_no_Click},
    {2, "mnu_pm_yes", "&No", Radio, nullptr, &C::mnu_pm_yes, &C::mnu_pm_yes_Click},
    {1, "mnu_sound", "&Get Private Chat Sound", Plain, &C::mnu_sound, nullptr, nullptr},
    {2, "mnu_sound_no", "&Yes", Radio | Checked, nullptr, &C::mnu_sound_no, &C::mnu_sound_no_Click},
    {2, "mnu_sound_yes", "&No", Radio, nullptr, &C::mnu_sound_yes, &C::mnu_sound_yes_Click},
    {0, "mnu_view", "&View", Plain, &C::mnu_view, nullptr, nullptr},
    {1, "mnu_chan_ban", "&View Channel Ban List", Plain, nullptr, &C::mnu_chan_ban, &C::mnu_chan_ban_Click},
    {1, "mnu_View_Buddylist", "&View Buddy List Users", Plain, nullptr, &C::mnu_View_Buddylist,
     &C::mnu_View_Buddylist_Click},
    {1, "mnu_ingorelist", "&View Ignore List Users", Plain, nullptr, &C::mnu_ingorelist,
     &C::mnu_ingorelist_Click},
    {0, "mnu_Help", "&Help", Plain, &C::mnu_Help, nullptr, nullptr},
    {1, "mnu_About", "&About Application", Plain, nullptr, &C::mnu_About, &C::mnu_About_Click},
    {1, "mnu_author", "&About Author/Creator", Plain, nullptr, &C::mnu_author, &C::mnu_author_Click},
    {1, "LB3", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_Homepage", "&Application Homepage", Plain, nullptr, &C::mnu_Homepage, &C::mnu_Homepage_Click},
    {0, "mnu_systray", "&SysTray", PopUp, &C::mnu_systray, nullptr, nullptr},
    {1, "mnu_systray_hide", "&Show Main Window", Plain, nullptr, &C::mnu_systray_hide,
     &C::mnu_systray_hide_Click},
    {1, "mnu_chatroom", "&Show ChatRoom", Plain, nullptr, &C::mnu_chatroom, &C::mnu_chatroom_Click},
    {1, "mnublank1", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_systray_about", "&About Application/Software", Plain, nullptr, &C::mnu_systray_about,
     &C::mnu_systray_about_Click},
    {1, "mnu_author_systray", "&About Author/Creator", Plain, nullptr, &C::mnu_author_systray,
     &C::mnu_author_systray_Click},
    {1, "LB2", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_systray_exit", "&Exit Application", Plain, nullptr, &C::mnu_systray_exit,
     &C::mnu_systray_exit_Click},
    {0, "mnu_nicks", "nicks", PopUp, &C::mnu_nicks, nullptr, nullptr},
    {1, "mnu_nicks_pm", "Conversation", Plain, nullptr, &C::mnu_nicks_pm, &C::mnu_nicks_pm_Click},
    {1, "mnu_blocked", "Block Conversation", Plain, nullptr, &C::mnu_blocked, &C::mnu_blocked_Click},
    {1, "mnu_slap", "&Slap", Plain, nullptr, &C::mnu_slap, &C::mnu_slap_Click},
    {1, "mnu_OB", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_action", "&Action", Plain, &C::mnu_action, nullptr, nullptr},
    {2, "mnu_hi", "&Hi", Plain, nullptr, &C::mnu_hi, &C::mnu_hi_Click},
    {2, "mnu_welcome", "&Welome", Plain, nullptr, &C::mnu_welcome, &C::mnu_welcome_Click},
    {2, "mnu_hugs", "&Hugs", Plain, nullptr, &C::mnu_hugs, &C::mnu_hugs_Click},
    {2, "mnu_handshake", "&Handshakes", Plain, nullptr, &C::mnu_handshake, &C::mnu_handshake_Click},
    {1, "mnu_ownaction", "Own Action", Plain, nullptr, &C::mnu_ownaction, &C::mnu_ownaction_Click},
    {1, "mnu_zip", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_nicks_whois", "Whois", Plain, nullptr, &C::mnu_nicks_whois, &C::mnu_nicks_whois_Click},
    {1, "mnu_nicks_op", "&Op", Plain, nullptr, &C::mnu_nicks_op, &C::mnu_nicks_op_Click},
    {1, "mnu_nicks_halfop", "&Halfop", Plain, nullptr, &C::mnu_nicks_halfop, &C::mnu_nicks_halfop_Click},
    {1, "mnu_nicks_voice", "&Voice", Plain, nullptr, &C::mnu_nicks_voice, &C::mnu_nicks_voice_Click},
    {1, "LB5", "-", Plain, nullptr, nullptr, nullptr},
    {1, "mnu_nicks_kick", "Kick this user", Plain, nullptr, &C::mnu_nicks_kick, &C::mnu_nicks_kick_Click},
    {1, "mnu_nicks_ban", "Ban this user", Plain, nullptr, &C::mnu_nicks_ban, &C::mnu_nicks_ban_Click},
};

} // namespace

void Channel::buildMenus() {
    std::vector<QMenu*> parents; // the open menu of each level above the row
    QActionGroup* pair = nullptr;
    for (const Item& item : kItems) {
        parents.resize(item.level);
        const QString caption = QString::fromLatin1(item.caption);
        QAction* action = nullptr;
        if (item.menu) {
            QMenu* menu = nullptr;
            if (item.level > 0)
                menu = parents.back()->addMenu(caption);
            else if (item.state & PopUp)
                menu = new QMenu(caption, this);
            else
                menu = menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(item.name));
            this->*item.menu = menu;
            parents.push_back(menu);
            action = menu->menuAction();
        } else if (caption == QLatin1String("-")) {
            action = parents.back()->addSeparator();
        } else {
            action = parents.back()->addAction(caption);
        }
        action->setObjectName(QString::fromLatin1(item.name));
        action->setEnabled(!(item.state & Disabled));
        if (item.state & Radio) {
            if (!pair || pair->parent() != parents.back())
                pair = new QActionGroup(parents.back());
            action->setCheckable(true);
            action->setChecked(item.state & Checked);
            pair->addAction(action);
        }
        if (item.action)
            this->*item.action = action;
        if (item.handler)
            connect(action, &QAction::triggered, this,
                    [this, handler = item.handler] { (this->*handler)(); });
    }
}
