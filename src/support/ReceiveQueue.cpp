#include "support/ReceiveQueue.h"

#include "platform/TextCodec.h"

void ReceiveQueue::push(QByteArray bytes) {
    m_bytes += bytes.size();
    pushTurn(Line{std::move(bytes)});
}

void ReceiveQueue::push(DroppedLine dropped) {
    pushTurn(dropped);
}

void ReceiveQueue::push(ConnectionEnd end) {
    pushTurn(std::move(end));
}

void ReceiveQueue::pushTurn(Turn turn) {
    m_turns.push_back(std::move(turn));
    ++m_unscanned;
}

ReceiveQueue::Turn ReceiveQueue::pop() {
    Turn turn = std::move(m_turns.front());
    m_turns.pop_front();
    if (const Line* line = std::get_if<Line>(&turn))
        m_bytes -= line->bytes.size();
    m_unscanned = std::min(m_unscanned, m_turns.size());
    return turn;
}

void ReceiveQueue::clear() {
    m_turns.clear();
    m_bytes = 0;
    m_unscanned = 0;
}

void ReceiveQueue::answerPings(const std::function<void(const IrcMessage&)>& answer) {
    const std::size_t end = m_turns.size();
    for (std::size_t k = end - m_unscanned; k < end; ++k) {
        Line* line = std::get_if<Line>(&m_turns[k]);
        if (!line)
            continue;
        QString text = decodeText(line->bytes);
        IrcMessage msg;
        ParseReceivedLine(text, msg);
        if (msg.Command.compare(QLatin1String("ping"), Qt::CaseInsensitive) != 0)
            continue;
        line->answered = true;
        answer(msg);
    }
    m_unscanned = m_turns.size() - end;
}

void ParseReceivedLine(QString& line, IrcMessage& msg) {
    line.remove(QChar(10));
    ParseIrcLine(line, msg);
}
