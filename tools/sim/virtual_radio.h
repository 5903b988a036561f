#pragma once

#include "radio_protocol.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace r5::sim {

// A fault the virtual radio shows on request, so the programs are proven
// against more than one well-behaved radio. Data answers (to reads and writes,
// not to the access sequence or a lone 06) are counted from 1 over the whole run.
struct Fault {
    enum class Kind {
        None,
        Silent,         // never answers
        NoMarker,       // answers the access sequence without its markers
        ShortReply,     // the n-th data answer is cut short
        WrongAck,       // the n-th write is answered with 0x15 instead of 0x06
        Garbage,        // the n-th data answer is replaced by a few noise bytes
        Hangup,         // the line closes at the n-th data answer
        MarkerAt,       // every data answer has its 58 at position n
        AnswerEveryAck, // every lone 06 is answered with 06, not only the first
        SplitReply,     // every answer leaves in two halves with a pause between
        Noise,          // a stray byte follows every answer
        CorruptReply,   // one data byte of the n-th data answer is wrong
        CorruptWrite,   // the n-th write stores one byte wrong, and acknowledges
        Unplug,         // the cable is pulled half way through the n-th data answer
    };
    Kind kind = Kind::None;
    int n = 0;
};
// "silent", "no-marker", "answer-every-ack", "split-reply", "noise",
// "short-reply:N", "wrong-ack:N", "garbage:N", "hangup:N", "corrupt-reply:N",
// "corrupt-write:N", "unplug:N", "marker-at:P"; nullopt for anything else.
std::optional<Fault> parseFault(const QString& text);
// The one-line summary of the kinds, for --help.
QString faultHelp();

// What the radio does with one command (a burst of bytes ended by silence).
struct Answer {
    QByteArray bytes;
    bool hangup = false;   // close the line after sending `bytes`
    // The line goes quiet for `pauseMs` after the first `splitAt` bytes.
    int splitAt = 0;
    int pauseMs = 0;
};

// The radio's side of every exchange, without the line: its memory (the 1 KiB
// programmable memory, the record at 0x1D90 and the tuning block at 0x1E00)
// and its answers to commands.
class VirtualRadio {
public:
    static constexpr int kAddressSpace = wire::kAddressSpace;

    VirtualRadio();

    void setMemory(const QByteArray& bytes1024);
    QByteArray memory() const;                 // 0x000 to 0x3FF
    void setAdjust(const QByteArray& bytes512);
    QByteArray adjust() const;                 // 0x1E00 to 0x1FFF
    QByteArray bytes(int address, int count) const;
    // The six password characters at 0x3A0, padded with spaces.
    void setPassword(const QByteArray& text);
    void setFault(Fault fault) { fault_ = fault; }

    Answer answer(const QByteArray& command);

    int writesStored() const { return writesStored_; }
    bool inProgrammingMode() const { return mode_ != Mode::Idle; }

private:
    enum class Mode { Idle, AwaitingConfirm, Programming };

    QByteArray dataAnswer(bool echo, int address, int length);
    Answer dataCommand(const QByteArray& body, bool echo);
    Answer withLineFaults(Answer answer) const;
    bool nthDataAnswer();

    std::array<quint8, kAddressSpace> space_{};
    Mode mode_ = Mode::Idle;
    Fault fault_;
    int dataAnswers_ = 0;
    int writesStored_ = 0;
};

} // namespace r5::sim
