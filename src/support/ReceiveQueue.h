#pragma once

#include "support/IrcText.h"

#include <QByteArray>
#include <deque>
#include <functional>
#include <variant>

// What came from the server and has not had its turn yet, in the order it came:
// received lines, and between them what the stream itself tells (an over-long
// line dropped there, the end of the connection), so that a handler waiting in
// a box sees neither told before the lines that came first.
//
// The queue is bounded in bytes: once it holds kLimit, the server's data is left
// in the network until the queue drains. While a line's handler waits, the
// server's keep-alive requests in the queue can be answered out of their turn;
// such a line is marked so that its turn does not answer it again.
class ReceiveQueue {
public:
    static constexpr qsizetype kLimit = qsizetype(16) << 20;

    struct Line {
        QByteArray bytes;
        bool answered = false; // a PING whose PONG has gone
    };
    struct DroppedLine {
        qsizetype size;
    };
    // The connection is gone: closed by the server, or ended by an error.
    struct ConnectionEnd {
        int errorNumber = 0; // 0: the server closed it
        QString description;
    };
    using Turn = std::variant<Line, DroppedLine, ConnectionEnd>;

    void push(QByteArray bytes);
    void push(DroppedLine dropped);
    void push(ConnectionEnd end);
    Turn pop();
    bool empty() const { return m_turns.empty(); }
    std::size_t size() const { return m_turns.size(); }
    qsizetype bytes() const { return m_bytes; }
    bool full() const { return m_bytes >= kLimit; }
    void clear();

    // Calls answer for every PING among the lines not looked at before, and marks it.
    void answerPings(const std::function<void(const IrcMessage&)>& answer);

private:
    void pushTurn(Turn turn);

    std::deque<Turn> m_turns;
    qsizetype m_bytes = 0;
    std::size_t m_unscanned = 0; // turns at the back not yet looked at for a PING
};

// The parsed form of one received piece, as the interpreter reads it: its LFs
// removed, decoded as UTF-8 or Windows-1252.
void ParseReceivedLine(QString& line, IrcMessage& msg);
