// Ident queries as received.
#include "chatroom/IdentQuery.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray query(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto answer = answerIdentQuery(query, QStringLiteral("QVD"));
    if (answer && !answer->reply.endsWith(QStringLiteral(" : USERID : UNIX : QVD")))
        __builtin_trap();
    return 0;
}
