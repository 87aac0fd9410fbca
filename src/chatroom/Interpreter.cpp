// The interpreter of server lines: the frame of every call and the dispatch of
// the command word to its handler.
#include "chatroom/Channel.h"

#include "platform/EventPump.h"

void Channel::interpret(QString& line) {
    line.remove(QChar(10));
    IrcMessage msg; // each call keeps its own parsed line
    ParseIrcLine(line, msg);
    DoEventsThrottled();
    if (msg.Command.isEmpty())
        return;
    dispatch(msg);
}

void Channel::dispatch(IrcMessage& msg) {
    const QString command = msg.Command.toLower();
    if (command == QLatin1String("ping"))
        SendData(QStringLiteral("PONG :") + JoinWordsOf(msg, 1, 1));
}
