#include "virtual_radio.h"

#include "link/protocol.h"

#include <QRegularExpression>

namespace r5::sim {

using namespace r5::protocol;

namespace {

constexpr quint8 kNak = 0x15;
// The reply to the access sequence: AA at 0 and 6 (read, write and tuning
// exchanges) and BB at 7 (the password exchange). The other bytes name the
// radio; the last is not an acknowledgement, so an exchange that takes only
// eight bytes is not misled by the ninth.
constexpr std::array<quint8, kHandshakeReplyBytes> kHandshakeReply = {
    kHandshakeMarker, 0x52, 0x35, 0x01, 0x00, 0x00, kHandshakeMarker, kPasswordEndMarker, 0x00};
constexpr int kGarbageBytes = 7;
constexpr int kShortBy = 10;

QByteArray bytesOf(const auto& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), static_cast<int>(array.size()));
}

} // namespace

std::optional<Fault> parseFault(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([a-z-]+)(?::(\\d+))?$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString name = m.captured(1);
    const bool hasN = !m.captured(2).isEmpty();
    const int n = m.captured(2).toInt();
    if (!hasN && name == "silent")
        return Fault{Fault::Kind::Silent, 0};
    if (!hasN && name == "no-marker")
        return Fault{Fault::Kind::NoMarker, 0};
    if (!hasN)
        return std::nullopt;
    if (name == "marker-at" && n < kEchoedReplyBytes)
        return Fault{Fault::Kind::MarkerAt, n};
    if (n < 1)
        return std::nullopt;
    if (name == "short-reply")
        return Fault{Fault::Kind::ShortReply, n};
    if (name == "wrong-ack")
        return Fault{Fault::Kind::WrongAck, n};
    if (name == "garbage")
        return Fault{Fault::Kind::Garbage, n};
    if (name == "hangup")
        return Fault{Fault::Kind::Hangup, n};
    return std::nullopt;
}

VirtualRadio::VirtualRadio()
{
    space_.fill(kErasedByte);
}

void VirtualRadio::setMemory(const QByteArray& bytes1024)
{
    for (int i = 0; i < RadioImage::kSize && i < bytes1024.size(); ++i)
        space_[static_cast<size_t>(i)] = static_cast<quint8>(bytes1024[i]);
}

QByteArray VirtualRadio::memory() const
{
    return bytes(0, RadioImage::kSize);
}

void VirtualRadio::setAdjust(const QByteArray& bytes512)
{
    for (int i = 0; i < AdjustImage::kSize && i < bytes512.size(); ++i)
        space_[static_cast<size_t>(kAdjustBaseAddress + i)] = static_cast<quint8>(bytes512[i]);
}

QByteArray VirtualRadio::adjust() const
{
    return bytes(kAdjustBaseAddress, AdjustImage::kSize);
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
        space_[kPasswordBlockAddress + static_cast<size_t>(i)] =
            i < text.size() ? static_cast<quint8>(text[i]) : kPasswordPad;
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
    out.append(static_cast<char>(kDataRecord));
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

Answer VirtualRadio::answer(const QByteArray& command)
{
    if (fault_.kind == Fault::Kind::Silent || command.isEmpty())
        return {};

    if (command == bytesOf(kHandshakeMagic)) {
        mode_ = Mode::AwaitingConfirm;
        QByteArray reply = bytesOf(kHandshakeReply);
        if (fault_.kind == Fault::Kind::NoMarker)
            reply.fill('\x55');
        return {reply};
    }
    if (mode_ == Mode::Idle)
        return {};   // outside programming mode the radio listens only for the access sequence

    if (command.size() == 1 && static_cast<quint8>(command[0]) == kAck) {
        // The first lone acknowledgement confirms programming mode; later ones
        // acknowledge a data answer and get no reply.
        if (mode_ == Mode::AwaitingConfirm) {
            mode_ = Mode::Programming;
            return {QByteArray(1, static_cast<char>(kAck))};
        }
        return {};
    }
    if (command.size() == 1 && static_cast<quint8>(command[0]) == kEndProgramming) {
        mode_ = Mode::Idle;
        return {};
    }

    const bool echo = static_cast<quint8>(command[0]) == kAck;
    const QByteArray body = echo ? command.mid(1) : command;
    if (body.size() < kCommandHeaderBytes)
        return {};
    const quint8 code = static_cast<quint8>(body[0]);
    const int address = (static_cast<quint8>(body[1]) << 8) | static_cast<quint8>(body[2]);
    const int length = static_cast<quint8>(body[3]);
    const bool isRead = (code == kReadCommand || code == kPasswordReadCommand) && body.size() == kCommandHeaderBytes;
    const bool isWrite = (code == kDataRecord || code == kPasswordWriteCommand)
                         && body.size() == kCommandHeaderBytes + length;
    if (!isRead && !isWrite)
        return {};
    mode_ = Mode::Programming;

    const bool faulty = nthDataAnswer();
    if (faulty && fault_.kind == Fault::Kind::Hangup)
        return {{}, true};
    if (faulty && fault_.kind == Fault::Kind::Garbage)
        return {QByteArray(kGarbageBytes, '\x33')};

    if (isWrite) {
        for (int i = 0; i < length; ++i)
            space_[static_cast<size_t>((address + i) % kAddressSpace)] =
                static_cast<quint8>(body[kCommandHeaderBytes + i]);
        ++writesStored_;
        if (faulty && fault_.kind == Fault::Kind::WrongAck)
            return {QByteArray(1, static_cast<char>(kNak))};
        return {QByteArray(1, static_cast<char>(kAck))};
    }
    QByteArray out = dataAnswer(echo, address, length);
    if (faulty && fault_.kind == Fault::Kind::ShortReply)
        out.chop(kShortBy);
    return {out};
}

} // namespace r5::sim
