// The ident responder: the server asks, on the ident port, which user owns our
// connection. The answer goes out at once and again for a query with ", ".
#include "chatroom/Channel.h"

#include "platform/EventPump.h"
#include "platform/TextCodec.h"
#include "support/ColouredText.h"
#include "support/Globals.h"

namespace {
constexpr int PumpsBeforeClosing = 500;
constexpr qsizetype MaxQueryBytes = 1000; // a query is two port numbers
const QString UserIdPart = QStringLiteral(" : USERID : UNIX : ");
} // namespace

void Channel::IDENT_ConnectionRequest(long requestID) {
    IDENT.Close();
    IDENT.Accept(requestID);
    IDENT.SendData(EncodeText(QString::number(IDENT.LocalPort) + QStringLiteral(", ") +
                              QString::number(IDENT.RemotePort) + UserIdPart + G().IdentName + CrLf));
    for (int k = 0; k < PumpsBeforeClosing; ++k)
        DoEvents();
    IDENT.Close();
}

void Channel::IDENT_DataArrival(qint64) {
    QString query = DecodeText(IDENT.GetData().left(MaxQueryBytes));
    if (!query.contains(QStringLiteral(", ")))
        return;
    query = DropRight(query, 2);
    PutColouredText(*DataIn, QStringLiteral("*** IDENT : ") + query);
    const QString reply = query + UserIdPart + G().IdentName;
    IDENT.SendData(EncodeText(reply));
    PutColouredText(*DataIn, QStringLiteral("*** IDENT reply : ") + reply);
    IDENT.Close();
}

void Channel::IDENT_Error(int, const QString& description) {
    PutColouredText(*DataIn, Chr3 + QStringLiteral("04IDENT Error ") + Chr3 + description);
}
