#pragma once

#include <QtGlobal>

#include <array>

// The radio's side of the programming protocol, as the radio knows it. The
// programs keep their own definitions; nothing here is shared with them, so a
// wrong byte or address on their side meets a radio that does not answer it.
namespace r5::sim::wire {

// 9600 baud, 8 data bits, no parity, 1 stop bit: ten bits on the wire a byte.
inline constexpr long long kBaudRate = 9600;
inline constexpr long long kBitsPerByte = 10;

// "R5PGMODE": the access sequence that opens programming mode.
inline constexpr std::array<quint8, 8> kAccessSequence = {0x52, 0x35, 0x50, 0x47, 0x4D, 0x4F, 0x44, 0x45};
// The reply to it carries AA twice, six bytes apart, for the read, write and
// tuning exchanges, and BB seven bytes after the first AA for the password
// exchange.
inline constexpr quint8 kMarker = 0xAA;
inline constexpr quint8 kPasswordMarker = 0xBB;

inline constexpr quint8 kAck = 0x06;
inline constexpr quint8 kNak = 0x15;
inline constexpr quint8 kRead = 0x53;           // "S": address high, low, length
inline constexpr quint8 kRecord = 0x58;         // "X": the answer to a read, and a write
inline constexpr quint8 kPasswordRead = 0x52;   // "R": read, in the password exchange
inline constexpr quint8 kPasswordWrite = 0x57;  // "W": write, in the password exchange
inline constexpr quint8 kEnd = 0x45;            // "E": leave programming mode
inline constexpr int kHeaderBytes = 4;          // command, address high, low, length

// The radio's memory: the 1 KiB the programs read and write, the password in
// the first six bytes of 0x3A0, the bench-programming record at 0x1D90 and the
// 512-byte tuning block at 0x1E00.
inline constexpr int kAddressSpace = 0x2000;
inline constexpr int kMemoryBytes = 0x400;
inline constexpr int kPasswordAddress = 0x3A0;
inline constexpr int kPasswordLength = 6;
inline constexpr quint8 kPasswordPad = 0x20;
inline constexpr int kTuningAddress = 0x1E00;
inline constexpr int kTuningBytes = 0x200;
inline constexpr quint8 kErased = 0xFF;

// The longest answer: the echoed 06, the header and 64 bytes.
inline constexpr int kLongestAnswer = 1 + kHeaderBytes + 0x40;

} // namespace r5::sim::wire
