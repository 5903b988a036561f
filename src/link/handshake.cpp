#include "link/handshake.h"

#include "link/protocol.h"

namespace r5 {

bool handshakeAccepted(const QByteArray& reply, quint8 first, quint8 second, int distance)
{
    for (int k = 0; k <= protocol::kHandshakeMarkerLastStart && k + distance < reply.size(); ++k)
        if (static_cast<quint8>(reply[k]) == first && static_cast<quint8>(reply[k + distance]) == second)
            return true;
    return false;
}

QByteArray command(quint8 code, int address, int length, const QByteArray& data, bool ack)
{
    QByteArray bytes;
    if (ack)
        bytes.append(static_cast<char>(protocol::kAck));
    bytes.append(static_cast<char>(code));
    bytes.append(static_cast<char>((address >> 8) & 0xFF));
    bytes.append(static_cast<char>(address & 0xFF));
    bytes.append(static_cast<char>(length));
    bytes.append(data);
    return bytes;
}

} // namespace r5
