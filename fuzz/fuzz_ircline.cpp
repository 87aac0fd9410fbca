// Received bytes, cut into chunks anywhere, through the receive buffer, the
// decoder and the line parser.
#include "platform/TextCodec.h"
#include "support/IrcText.h"
#include "support/ReceiveBuffer.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t chunk = 1 + data[0] % 64; // the first byte picks the chunk size
    const QByteArray stream(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    ReceiveBuffer buffer;
    QList<QByteArray> pieces;
    QList<qsizetype> droppedLines;
    for (qsizetype at = 0; at < stream.size(); at += static_cast<qsizetype>(chunk))
        buffer.append(stream.mid(at, static_cast<qsizetype>(chunk)), pieces, droppedLines);
    (void)buffer.finish();
    for (const QByteArray& piece : pieces) {
        IrcMessage msg;
        ParseIrcLine(decodeText(piece), msg);
        for (int first = 0; first <= msg.ParamCount + 1; ++first)
            (void)JoinWordsOf(msg, first, -1);
        (void)JoinWordsOf(msg, 2, 2);
    }
    return 0;
}
