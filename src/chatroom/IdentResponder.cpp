// The ident responder: the server asks, on the ident port, which user owns our
// connection. The answer goes out at once and again for a query with ", ".
#include "chatroom/Channel.h"

#include "chatroom/IdentQuery.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

namespace {
constexpr int kPumpsBeforeClosing = 500;
}

void Channel::IDENT_ConnectionRequest(long requestID) {
    IDENT.Close();
    IDENT.Accept(requestID);
    IDENT.SendData(encodeText(identGreeting(IDENT.LocalPort, IDENT.RemotePort, G().IdentName)));
    for (int k = 0; k < kPumpsBeforeClosing; ++k)
        DoEvents();
    IDENT.Close();
}

void Channel::IDENT_DataArrival(qint64) {
    const std::optional<IdentAnswer> answer = answerIdentQuery(IDENT.GetData(), G().IdentName);
    if (!answer)
        return;
    showInMain(QStringLiteral("*** IDENT : ") + answer->query);
    IDENT.SendData(encodeText(answer->reply));
    showInMain(QStringLiteral("*** IDENT reply : ") + answer->reply);
    IDENT.Close();
}

void Channel::IDENT_Error(int, const QString& description) {
    showInMain(Colour("04") + QStringLiteral("IDENT Error ") + Chr3 + description);
}
