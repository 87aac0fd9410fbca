#include "support/ReceiveQueue.h"

#include "platform/TextCodec.h"

void ReceiveQueue::push(QByteArray bytes) {
    m_bytes += bytes.size();
    m_lines.push_back(Line{std::move(bytes)});
    ++m_unscanned;
}

ReceiveQueue::Line ReceiveQueue::pop() {
    Line line = std::move(m_lines.front());
    m_lines.pop_front();
    m_bytes -= line.bytes.size();
    m_unscanned = std::min(m_unscanned, m_lines.size());
    return line;
}

void ReceiveQueue::clear() {
    m_lines.clear();
    m_bytes = 0;
    m_unscanned = 0;
}

void ReceiveQueue::answerPings(const std::function<void(const IrcMessage&)>& answer) {
    const std::size_t end = m_lines.size();
    for (std::size_t k = end - m_unscanned; k < end; ++k) {
        Line& line = m_lines[k];
        QString text = DecodeText(line.bytes);
        IrcMessage msg;
        ParseReceivedLine(text, msg);
        if (msg.Command.compare(QLatin1String("ping"), Qt::CaseInsensitive) != 0)
            continue;
        line.answered = true;
        answer(msg);
    }
    m_unscanned = m_lines.size() - end;
}

void ParseReceivedLine(QString& line, IrcMessage& msg) {
    line.remove(QChar(10));
    ParseIrcLine(line, msg);
}
