#pragma once

class Channel;
class QString;
struct IrcMessage;

// The interpreter's handlers of server lines, each in the file of its concern;
// the dispatch table (Interpreter.cpp) names them. window is the room window
// that holds the server link and received the line.
namespace Handlers {

// Interpreter.cpp: registration, the keep-alive and what no row names.
void answerPing(Channel& window, const IrcMessage& msg);
void onWelcome(Channel& window, const IrcMessage& msg);
void onRegistrationReply(Channel& window, const IrcMessage& msg);
void onDefault(Channel& window, const IrcMessage& msg);
// The room window showing name, if it is window.
Channel* roomOf(Channel& window, const QString& name);

// RoomEvents.cpp: room traffic and the replies about other users.
void onJoin(Channel& window, const IrcMessage& msg);
void onPart(Channel& window, const IrcMessage& msg);
void onNames(Channel& window, const IrcMessage& msg);
void onKick(Channel& window, const IrcMessage& msg);
void onNick(Channel& window, const IrcMessage& msg);
void onPrivmsg(Channel& window, const IrcMessage& msg);
void onMode(Channel& window, const IrcMessage& msg);
void onTopicReply(Channel& window, const IrcMessage& msg);
void onTopicChange(Channel& window, const IrcMessage& msg);
void onTopicSetter(Channel& window, const IrcMessage& msg);
void onRoomAddress(Channel& window, const IrcMessage& msg);
void onWhoisReply(Channel& window, const IrcMessage& msg);

// Ctcp.cpp: a CTCP request in a private message.
void HandleCTCP(Channel& window, const QString& nick, QString& text);

// ServiceNotices.cpp: the nickname service, nick errors and forced disconnects.
void onNotice(Channel& window, const IrcMessage& msg);
void onNickInUse(Channel& window, const IrcMessage& msg);
void onNickMissing(Channel& window, const IrcMessage& msg);
void onNickInvalid(Channel& window, const IrcMessage& msg);
void onOwnKick(Channel& window, const IrcMessage& msg);
void onKill(Channel& window, const IrcMessage& msg);
void onCannotJoin(Channel& window, const IrcMessage& msg);

// SideWindowLinks.cpp: the ban, exception and invitation lists, the buddy list's answer.
void onListEntry(Channel& window, const IrcMessage& msg);
void onListEnd(Channel& window, const IrcMessage& msg);
void onOnlineBuddies(Channel& window, const IrcMessage& msg);

} // namespace Handlers
