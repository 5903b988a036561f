#pragma once

#include <QtGlobal>

#include <array>

// The radio's serial programming protocol: every byte value, address, count and
// interval the exchanges use. Addresses in commands go high byte first.
namespace r5::protocol {

// --- Line -------------------------------------------------------------------

inline constexpr int BaudRate = 9600;      // 8 data bits, no parity, 1 stop bit
inline constexpr int BitsPerByte = 10;     // start + 8 data + stop on the wire

// --- Access sequence and its reply ------------------------------------------

// The access sequence that puts the radio into programming mode; it opens every
// exchange. The radio answers with a reply that carries marker bytes (0xAA, and
// 0xBB for the password exchange) at fixed distances.
inline constexpr std::array<quint8, 8> HandshakeMagic = {0x52, 0x35, 0x50, 0x47, 0x4D, 0x4F, 0x44, 0x45};

inline constexpr quint8 HandshakeMarker = 0xAA;      // found twice in the reply, six bytes apart
inline constexpr int HandshakeMarkerDistance = 6;
inline constexpr quint8 PasswordEndMarker = 0xBB;    // the password exchange looks for AA then BB
inline constexpr int PasswordMarkerDistance = 7;     // seven bytes after the AA
inline constexpr int HandshakeMarkerLastStart = 9;   // the first marker must sit at position 9 or earlier
inline constexpr int HandshakeReplyBytes = 9;        // read, write and tuning exchanges take 9 bytes
inline constexpr int PasswordHandshakeReplyBytes = 8; // the password exchange takes 8

// --- Command and reply bytes ------------------------------------------------

inline constexpr quint8 Ack = 0x06;                  // acknowledgement, both directions
inline constexpr quint8 ReadCommand = 0x53;          // "S": 53, address high, low, length
inline constexpr quint8 PasswordReadCommand = 0x52;  // "R": the password exchange's read
inline constexpr quint8 DataRecord = 0x58;           // "X": a read's answer and a write command
inline constexpr quint8 PasswordWriteCommand = 0x57; // "W": the password exchange's write
inline constexpr quint8 EndProgramming = 0x45;       // "E": the radio leaves programming mode

inline constexpr int CommandHeaderBytes = 4;         // command, address high, low, length
inline constexpr int ReadBlockBytes = 0x40;          // every read asks for 64 bytes
inline constexpr int WriteBlockBytes = 0x10;         // every write carries 16 bytes

// --- Password block (radio memory 0x3A0, row 58) -----------------------------

inline constexpr quint16 PasswordBlockAddress = 0x03A0;
// The radio's answer to a read without a leading acknowledgement: 58, address,
// length, then the 64 bytes.
inline constexpr int PlainReplyBytes = CommandHeaderBytes + ReadBlockBytes;  // 68
inline constexpr int PasswordLength = 6;             // characters, padded with spaces
inline constexpr quint8 PasswordPad = 0x20;
inline constexpr quint8 ErasedByte = 0xFF;
// The password record's bytes start after the answer's header; its first six
// bytes are the password, six spaces or six erased bytes when none is set.
inline constexpr int PasswordRecordStart = CommandHeaderBytes;  // 4
inline constexpr int PasswordRecordBytes = 16;

// --- Memory read and write (radio memory 0x000 to 0x3FF) ---------------------

// The radio's answer to a read that came with a leading acknowledgement: the
// acknowledgement echoed, then 58, address, length and the 64 bytes.
inline constexpr int EchoedReplyBytes = 1 + PlainReplyBytes;  // 69
inline constexpr int MemoryReadBlocks = 16;          // 16 x 64 bytes; the first address is asked twice
// The data of a memory read start four bytes after the 58 marker in the second
// answer; the marker is looked for at positions 0 to 19, and without one the
// data are taken from position 5.
inline constexpr int MemoryMarkerSearchLast = 19;
inline constexpr int MemoryDefaultDataStart = 5;
// Only a marker at 0 or 1 keeps all 64 data bytes inside the 69 received.
inline constexpr int MemoryMarkerLastSound = EchoedReplyBytes - CommandHeaderBytes - ReadBlockBytes;  // 1
inline constexpr int MemoryWriteLastRow = 48;        // rows 0 to 48 (0x000 to 0x30F) are written
inline constexpr int WriteBlockCommandBytes = 1 + CommandHeaderBytes + WriteBlockBytes;  // 21: 06 58 hh ll 10 + 16

// --- Tuning block (radio memory 0x1E00 to 0x1FFF) ----------------------------

inline constexpr quint16 AdjustBaseAddress = 0x1E00;
inline constexpr int AdjustReadBlocks = 8;           // 8 x 64 bytes
inline constexpr int AdjustWriteBlocks = 32;         // 32 x 16 bytes
inline constexpr int AdjustFirstFrame = 2;           // replies are numbered from 2
inline constexpr int AdjustDataStart = 5;            // 06 58 hh ll 40, then the data

// The record written at 0x1D90 ahead of every tuning write. The radio takes it
// as the mark of a bench programming: a fixed eight-byte signature, seven
// reserved bytes it does not interpret (sent erased, so that nothing left from
// an earlier command can reach the radio) and 0xFF as the last byte.
inline constexpr quint16 AdjustRecordAddress = 0x1D90;
inline constexpr std::array<quint8, 16> AdjustRecord = {
    0x52, 0x35, 0x41, 0x44, 0x4A, 0x00, 0x01, 0x00,   // signature "R5ADJ", version 0.1.0
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,         // reserved
    0xFF};

// --- Timing (milliseconds) ---------------------------------------------------

// A queued command leaves on the first tick of the send timer, all its bytes
// back to back; the radio needs this gap to see where a command begins.
inline constexpr int SendTickMs = 15;
inline constexpr int ReplyTimeoutMs = 1000;          // after the last byte sent
inline constexpr int RetryPauseMs = 1000;            // read and write
inline constexpr int PasswordRetryPauseMs = 5000;
inline constexpr int AdjustRetryPauseMs = 2000;
inline constexpr int Retries = 3;                    // restarts after the first attempt
inline constexpr int PasswordRetries = 0;            // the password change tries once
// After an acknowledgement the program waits briefly before it goes on; the
// radio's own answer to it arrives meanwhile and is then discarded.
inline constexpr int AckPauseMs = 5;
// Before the end byte and again before closing, so the end byte leaves the line.
inline constexpr int CompletionPauseMs = 2;
// Before the old password is checked, giving the radio time after the acknowledgement.
inline constexpr int PasswordCheckPauseMs = 30;

// Time one byte takes on the wire, in microseconds.
inline constexpr int byteTimeMicroseconds() { return BitsPerByte * 1000000 / BaudRate; }

} // namespace r5::protocol
