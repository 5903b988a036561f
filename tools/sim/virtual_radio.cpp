#include "virtual_radio.h"

#include <QRegularExpression>

#include <utility>

namespace r5::sim {

using namespace r5::sim::wire;

namespace {

// The reply to the access sequence: AA at 0 and 6 and BB at 7. The other bytes
// name the radio; the last is not an acknowledgement, so an exchange that
// takes only eight bytes is not misled by the ninth.
constexpr std::array<quint8, 9> kHandshakeReply = {kMarker, 0x52, 0x35, 0x01, 0x00, 0x00, kMarker, kPasswordMarker, 0x00};
constexpr int kGarbageBytes = 7;
constexpr int kShortBy = 10;
// Below the programs' one-second reply time-out, far above a byte's time.
constexpr int kSplitPauseMs = 250;
// Neither a marker, an acknowledgement nor a record byte.
constexpr char kStrayByte = '\x7E';
// The data byte a corrupt answer or write gets wrong, counted from the first.
constexpr int kCorruptReplyByte = 32;
constexpr int kCorruptWriteByte = 8;

QByteArray bytesOf(const auto& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), static_cast<int>(array.size()));
}

struct FaultName {
    const char* name;
    Fault::Kind kind;
};
constexpr FaultName kPlainFaults[] = {
    {"silent", Fault::Kind::Silent},
    {"no-marker", Fault::Kind::NoMarker},
    {"answer-every-ack", Fault::Kind::AnswerEveryAck},
    {"split-reply", Fault::Kind::SplitReply},
    {"noise", Fault::Kind::Noise},
};
constexpr FaultName kCountedFaults[] = {
    {"short-reply", Fault::Kind::ShortReply},
    {"wrong-ack", Fault::Kind::WrongAck},
    {"garbage", Fault::Kind::Garbage},
    {"hangup", Fault::Kind::Hangup},
    {"corrupt-reply", Fault::Kind::CorruptReply},
    {"corrupt-write", Fault::Kind::CorruptWrite},
    {"unplug", Fault::Kind::Unplug},
};

} // namespace

std::optional<Fault> parseFault(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([a-z-]+)(?::(\\d{1,6}))?$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString name = m.captured(1);
    const bool hasN = !m.captured(2).isEmpty();
    const int n = m.captured(2).toInt();
    for (const FaultName& f : kPlainFaults)
        if (!hasN && name == f.name)
            return Fault{f.kind, 0};
    if (hasN && name == "marker-at" && n < kLongestAnswer)
        return Fault{Fault::Kind::MarkerAt, n};
    for (const FaultName& f : kCountedFaults)
        if (hasN && n >= 1 && name == f.name)
            return Fault{f.kind, n};
    return std::nullopt;
}

QString faultHelp()
{
    QStringList names;
    for (const FaultName& f : kPlainFaults)
        names << f.name;
    for (const FaultName& f : kCountedFaults)
        names << QString(f.name) + ":N";
    names << "marker-at:P";
    return names.join(", ");
}

VirtualRadio::VirtualRadio()
{
    space_.fill(kErased);
}

void VirtualRadio::setMemory(const QByteArray& bytes1024)
{
    for (int i = 0; i < kMemoryBytes && i < bytes1024.size(); ++i)
        space_[static_cast<size_t>(i)] = static_cast<quint8>(bytes1024[i]);
}

QByteArray VirtualRadio::memory() const
{
    return bytes(0, kMemoryBytes);
}

void VirtualRadio::setAdjust(const QByteArray& bytes512)
{
    for (int i = 0; i < kTuningBytes && i < bytes512.size(); ++i)
        space_[static_cast<size_t>(kTuningAddress + i)] = static_cast<quint8>(bytes512[i]);
}

QByteArray VirtualRadio::adjust() const
{
    return bytes(kTuningAddress, kTuningBytes);
}

QByteArray VirtualRadio::bytes(int address, int count) const
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out.append(static_cast<char>(space_[static_cast<size_t>((address + i) % kAddressSpace)]));
    return out;
}

void VirtualRadio::setPassword(const QByteArray& text)
{
    for (int i = 0; i < kPasswordLength; ++i)
        space_[kPasswordAddress + static_cast<size_t>(i)] = i < text.size() ? static_cast<quint8>(text[i]) : kPasswordPad;
}

bool VirtualRadio::nthDataAnswer()
{
    ++dataAnswers_;
    return dataAnswers_ == fault_.n;
}

QByteArray VirtualRadio::dataAnswer(bool echo, int address, int length)
{
    QByteArray out;
    if (echo)
        out.append(static_cast<char>(kAck));
    out.append(static_cast<char>(kRecord));
    out.append(static_cast<char>((address >> 8) & 0xFF));
    out.append(static_cast<char>(address & 0xFF));
    out.append(static_cast<char>(length));
    out.append(bytes(address, length));
    if (fault_.kind == Fault::Kind::MarkerAt) {
        // Same length as usual, the 58 moved to position n.
        const int size = out.size();
        QByteArray moved = out.mid(echo ? 1 : 0);
        QByteArray lead;
        if (echo && fault_.n > 0)
            lead.append(static_cast<char>(kAck));
        while (lead.size() < fault_.n)
            lead.append('\0');
        out = (lead + moved).left(size);
        while (out.size() < size)
            out.append('\0');
    }
    return out;
}

// The line's faults touch every answer alike, whatever the command was.
Answer VirtualRadio::withLineFaults(Answer answer) const
{
    if (answer.bytes.isEmpty())
        return answer;
    if (fault_.kind == Fault::Kind::Noise)
        answer.bytes.append(kStrayByte);
    if (fault_.kind == Fault::Kind::SplitReply && answer.bytes.size() > 1) {
        answer.splitAt = static_cast<int>(answer.bytes.size() / 2);
        answer.pauseMs = kSplitPauseMs;
    }
    return answer;
}

Answer VirtualRadio::answer(const QByteArray& command)
{
    if (fault_.kind == Fault::Kind::Silent || command.isEmpty())
        return {};

    if (command == bytesOf(kAccessSequence)) {
        mode_ = Mode::AwaitingConfirm;
        QByteArray reply = bytesOf(kHandshakeReply);
        if (fault_.kind == Fault::Kind::NoMarker)
            reply.fill('\x55');
        return withLineFaults({reply});
    }
    if (mode_ == Mode::Idle)
        return {};   // outside programming mode the radio listens only for the access sequence

    if (command.size() == 1 && static_cast<quint8>(command[0]) == kAck) {
        // The first lone acknowledgement confirms programming mode; later ones
        // acknowledge a data answer and get no reply, unless the radio is one
        // that answers each.
        if (mode_ == Mode::AwaitingConfirm || fault_.kind == Fault::Kind::AnswerEveryAck) {
            mode_ = Mode::Programming;
            return withLineFaults({QByteArray(1, static_cast<char>(kAck))});
        }
        return {};
    }
    if (command.size() == 1 && static_cast<quint8>(command[0]) == kEnd) {
        mode_ = Mode::Idle;
        return {};
    }

    const bool echo = static_cast<quint8>(command[0]) == kAck;
    return withLineFaults(dataCommand(echo ? command.mid(1) : command, echo));
}

Answer VirtualRadio::dataCommand(const QByteArray& body, bool echo)
{
    if (body.size() < kHeaderBytes)
        return {};
    const quint8 code = static_cast<quint8>(body[0]);
    const int address = (static_cast<quint8>(body[1]) << 8) | static_cast<quint8>(body[2]);
    const int length = static_cast<quint8>(body[3]);
    const bool isRead = (code == kRead || code == kPasswordRead) && body.size() == kHeaderBytes;
    const bool isWrite = (code == kRecord || code == kPasswordWrite) && body.size() == kHeaderBytes + length;
    if (!isRead && !isWrite)
        return {};
    mode_ = Mode::Programming;

    const bool faulty = nthDataAnswer();
    if (faulty && fault_.kind == Fault::Kind::Hangup)
        return {{}, true};
    if (faulty && fault_.kind == Fault::Kind::Garbage)
        return {QByteArray(kGarbageBytes, '\x33')};

    if (isWrite) {
        if (faulty && fault_.kind == Fault::Kind::Unplug)
            return {{}, true};   // pulled before the radio could store it
        QByteArray data = body.mid(kHeaderBytes);
        if (faulty && fault_.kind == Fault::Kind::CorruptWrite && length > kCorruptWriteByte)
            data[kCorruptWriteByte] = static_cast<char>(~data[kCorruptWriteByte]);
        for (int i = 0; i < length; ++i)
            space_[static_cast<size_t>((address + i) % kAddressSpace)] = static_cast<quint8>(data[i]);
        ++writesStored_;
        if (faulty && fault_.kind == Fault::Kind::WrongAck)
            return {QByteArray(1, static_cast<char>(kNak))};
        return {QByteArray(1, static_cast<char>(kAck))};
    }
    QByteArray out = dataAnswer(echo, address, length);
    if (faulty && fault_.kind == Fault::Kind::ShortReply)
        out.chop(kShortBy);
    if (faulty && fault_.kind == Fault::Kind::CorruptReply && length > kCorruptReplyByte) {
        const int at = static_cast<int>(out.size()) - length + kCorruptReplyByte;
        out[at] = static_cast<char>(~out[at]);
    }
    if (faulty && fault_.kind == Fault::Kind::Unplug)
        return {out.left(out.size() / 2), true};
    return {out};
}

} // namespace r5::sim
