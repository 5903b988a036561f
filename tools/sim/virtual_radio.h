#pragma once

#include "model/radio_image.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace r5::sim {

// A fault the virtual radio shows on request. Data answers (to reads and
// writes, not to the access sequence) are counted from 1 over the whole run.
struct Fault {
    enum class Kind {
        None,
        Silent,       // never answers
        NoMarker,     // answers the access sequence without its markers
        ShortReply,   // the n-th data answer is cut short
        WrongAck,     // the n-th write is answered with 0x15 instead of 0x06
        Garbage,      // the n-th data answer is replaced by a few noise bytes
        Hangup,       // the line closes at the n-th data answer
        MarkerAt,     // every data answer has its 58 at position n
    };
    Kind kind = Kind::None;
    int n = 0;
};
// "silent", "no-marker", "short-reply:N", "wrong-ack:N", "garbage:N",
// "hangup:N", "marker-at:P"; nullopt when the text is none of them.
std::optional<Fault> parseFault(const QString& text);

// What the radio does with one command (a burst of bytes ended by silence).
struct Answer {
    QByteArray bytes;
    bool hangup = false;   // close the line instead of answering
};

// The radio's side of every exchange, without the line: its memory (the 1 KiB
// programmable memory, the record at 0x1D90 and the tuning block at 0x1E00)
// and its answers to commands.
class VirtualRadio {
public:
    static constexpr int kAddressSpace = 0x2000;

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
    bool nthDataAnswer();

    std::array<quint8, kAddressSpace> space_{};
    Mode mode_ = Mode::Idle;
    Fault fault_;
    int dataAnswers_ = 0;
    int writesStored_ = 0;
};

} // namespace r5::sim
