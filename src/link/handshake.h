#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace r5 {

// Whether a reply to the access sequence carries `first` at some position k
// (0 to 9) and `second` at k + distance. Only the bytes of this reply count:
// a position beyond them never matches.
bool handshakeAccepted(const QByteArray& reply, quint8 first, quint8 second, int distance);

// A command of the protocol: command byte, 16-bit address high byte first,
// length, then any data; `ack` puts an acknowledgement in front.
QByteArray command(quint8 code, int address, int length, const QByteArray& data = {}, bool ack = false);

// Whether `answer` holds, from position `at`, the header the radio puts in
// front of the data it reads out: the data record byte, the address asked
// for (high byte first) and the block length. An answer without it belongs to
// another command or was damaged on the line.
bool readHeaderAt(const QByteArray& answer, int at, int address);

} // namespace r5
