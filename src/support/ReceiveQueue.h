#pragma once

#include "support/IrcText.h"

#include <QByteArray>
#include <deque>
#include <functional>

// Received lines not yet interpreted, in the order they arrived. The queue is
// bounded in bytes: once it holds Limit, the server's data is left in the
// network until the queue drains. While a line's handler waits, the server's
// keep-alive requests in the queue can be answered out of their turn; such a
// line is marked so that its turn does not answer it again.
class ReceiveQueue {
public:
    static constexpr qsizetype Limit = qsizetype(16) << 20;

    struct Line {
        QByteArray bytes;
        bool answered = false; // a PING whose PONG has gone
    };

    void push(QByteArray bytes);
    Line pop();
    bool empty() const { return m_lines.empty(); }
    std::size_t size() const { return m_lines.size(); }
    qsizetype bytes() const { return m_bytes; }
    bool full() const { return m_bytes >= Limit; }
    void clear();

    // Calls answer for every PING among the lines not looked at before, and marks it.
    void answerPings(const std::function<void(const IrcMessage&)>& answer);

private:
    std::deque<Line> m_lines;
    qsizetype m_bytes = 0;
    std::size_t m_unscanned = 0; // lines at the back not yet looked at for a PING
};

// The parsed form of one received piece, as the interpreter reads it: its LFs
// removed, decoded as UTF-8 or Windows-1252.
void ParseReceivedLine(QString& line, IrcMessage& msg);
