#pragma once

#include <QtGlobal>

#include <array>

// The radio's serial programming protocol: every byte value, address, count and
// interval the exchanges use. Addresses in commands go high byte first.
namespace r5::protocol {

// --- Line -------------------------------------------------------------------

inline constexpr int kBaudRate = 9600;      // 8 data bits, no parity, 1 stop bit
inline constexpr int kBitsPerByte = 10;     // start + 8 data + stop on the wire

// --- Access sequence and its reply ------------------------------------------

// The access sequence that puts the radio into programming mode; it opens every
// exchange. The radio answers with a reply that carries marker bytes (0xAA, and
// 0xBB for the password exchange) at fixed distances.
inline constexpr std::array<quint8, 8> kHandshakeMagic = {0x52, 0x35, 0x50, 0x47, 0x4D, 0x4F, 0x44, 0x45};

inline constexpr quint8 kHandshakeMarker = 0xAA;      // found twice in the reply, six bytes apart
inline constexpr int kHandshakeMarkerDistance = 6;
inline constexpr quint8 kPasswordEndMarker = 0xBB;    // the password exchange looks for AA then BB
inline constexpr int kPasswordMarkerDistance = 7;     // seven bytes after the AA
inline constexpr int kHandshakeMarkerLastStart = 9;   // the first marker must sit at position 9 or earlier
inline constexpr int kHandshakeReplyBytes = 9;        // read, write and tuning exchanges take 9 bytes
inline constexpr int kPasswordHandshakeReplyBytes = 8; // the password exchange takes 8

// --- Command and reply bytes ------------------------------------------------

inline constexpr quint8 kAck = 0x06;                  // acknowledgement, both directions
inline constexpr quint8 kReadCommand = 0x53;          // "S": 53, address high, low, length
inline constexpr quint8 kPasswordReadCommand = 0x52;  // "R": the password exchange's read
inline constexpr quint8 kDataRecord = 0x58;           // "X": a read's answer and a write command
inline constexpr quint8 kPasswordWriteCommand = 0x57; // "W": the password exchange's write
inline constexpr quint8 kEndProgramming = 0x45;       // "E": the radio leaves programming mode

inline constexpr int kCommandHeaderBytes = 4;         // command, address high, low, length
inline constexpr int kReadBlockBytes = 0x40;          // every read asks for 64 bytes
inline constexpr int kWriteBlockBytes = 0x10;         // every write carries 16 bytes

// --- Password block (radio memory 0x3A0, row 58) -----------------------------

inline constexpr quint16 kPasswordBlockAddress = 0x03A0;
// The radio's answer to a read without a leading acknowledgement: 58, address,
// length, then the 64 bytes.
inline constexpr int kPlainReplyBytes = kCommandHeaderBytes + kReadBlockBytes;  // 68
inline constexpr int kPasswordLength = 6;             // characters, padded with spaces
inline constexpr quint8 kPasswordPad = 0x20;
inline constexpr quint8 kErasedByte = 0xFF;
// The password record's bytes start after the answer's header; its first six
// bytes are the password, six spaces or six erased bytes when none is set.
inline constexpr int kPasswordRecordStart = kCommandHeaderBytes;  // 4
inline constexpr int kPasswordRecordBytes = 16;

// --- Memory read and write (radio memory 0x000 to 0x3FF) ---------------------

// The radio's answer to a read that came with a leading acknowledgement: the
// acknowledgement echoed, then 58, address, length and the 64 bytes.
inline constexpr int kEchoedReplyBytes = 1 + kPlainReplyBytes;  // 69
inline constexpr int kMemoryReadBlocks = 16;          // 16 x 64 bytes; the first address is asked twice
// The data of a memory read start four bytes after the 58 marker in the second
// answer; the marker is looked for at positions 0 to 19, and without one the
// data are taken from position 5.
inline constexpr int kMemoryMarkerSearchLast = 19;
inline constexpr int kMemoryDefaultDataStart = 5;
// Only a marker at 0 or 1 keeps all 64 data bytes inside the 69 received.
inline constexpr int kMemoryMarkerLastSound = kEchoedReplyBytes - kCommandHeaderBytes - kReadBlockBytes;  // 1
inline constexpr int kMemoryWriteLastRow = 48;        // rows 0 to 48 (0x000 to 0x30F) are written
inline constexpr int kWriteBlockCommandBytes = 1 + kCommandHeaderBytes + kWriteBlockBytes;  // 21: 06 58 hh ll 10 + 16

// --- Tuning block (radio memory 0x1E00 to 0x1FFF) ----------------------------

inline constexpr quint16 kAdjustBaseAddress = 0x1E00;
inline constexpr int kAdjustReadBlocks = 8;           // 8 x 64 bytes
inline constexpr int kAdjustWriteBlocks = 32;         // 32 x 16 bytes
inline constexpr int kAdjustFirstFrame = 2;           // replies are numbered from 2
inline constexpr int kAdjustDataStart = 5;            // 06 58 hh ll 40, then the data

// The record written at 0x1D90 ahead of every tuning write. The radio takes it
// as the mark of a bench programming: a fixed eight-byte signature, seven
// reserved bytes it does not interpret (sent erased, so that nothing left from
// an earlier command can reach the radio) and 0xFF as the last byte.
inline constexpr quint16 kAdjustRecordAddress = 0x1D90;
inline constexpr std::array<quint8, 16> kAdjustRecord = {
    0x52, 0x35, 0x41, 0x44, 0x4A, 0x00, 0x01, 0x00,   // signature "R5ADJ", version 0.1.0
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,         // reserved
    0xFF};

// --- Timing (milliseconds) ---------------------------------------------------

// A queued command leaves on the first tick of the send timer, all its bytes
// back to back; the radio needs this gap to see where a command begins.
inline constexpr int kSendTickMs = 15;
inline constexpr int kReplyTimeoutMs = 1000;          // after the last byte sent
inline constexpr int kRetryPauseMs = 1000;            // read and write
inline constexpr int kPasswordRetryPauseMs = 5000;
inline constexpr int kAdjustRetryPauseMs = 2000;
inline constexpr int kRetries = 3;                    // restarts after the first attempt
inline constexpr int kPasswordRetries = 0;            // the password change tries once
// After an acknowledgement the program waits briefly before it goes on; the
// radio's own answer to it arrives meanwhile and is then discarded.
inline constexpr int kAckPauseMs = 5;
// Before the end byte and again before closing, so the end byte leaves the line.
inline constexpr int kCompletionPauseMs = 2;
// Before the old password is checked, giving the radio time after the acknowledgement.
inline constexpr int kPasswordCheckPauseMs = 30;

// Time one byte takes on the wire, in microseconds.
inline constexpr int byteTimeMicroseconds() { return kBitsPerByte * 1000000 / kBaudRate; }

} // namespace r5::protocol
