#include "link/password_exchange.h"

#include "link/handshake.h"
#include "link/protocol.h"

namespace r5 {
namespace {

constexpr LinkValues kPasswordValues{protocol::ReplyTimeoutMs, protocol::PasswordRetryPauseMs,
                                     protocol::PasswordRetries};

using protocol::PasswordLength;

} // namespace

PasswordExchange::PasswordExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                                   LinkTimerFactory& timerFactory, QObject* parent)
    : LinkExchange(state, ports, portFactory, timerFactory, kPasswordValues, parent),
      oldEntry_(passwordEntry({})),
      newEntry_(passwordEntry({}))
{
}

QByteArray PasswordExchange::passwordEntry(const QString& text)
{
    // The radio keeps one byte per character: the Latin-1 code.
    QByteArray entry = text.trimmed().toLatin1();
    if (entry.size() < PasswordLength)
        entry.append(QByteArray(PasswordLength - entry.size(), static_cast<char>(protocol::PasswordPad)));
    return entry;
}

void PasswordExchange::setOldPassword(const QString& text)
{
    oldEntry_ = passwordEntry(text);
}

void PasswordExchange::setNewPassword(const QString& text)
{
    // The record holds six characters; the callers refuse longer ones.
    newEntry_ = passwordEntry(text).left(PasswordLength);
}

bool PasswordExchange::newPasswordsMatch(const QString& first, const QString& second)
{
    return first.trimmed() == second.trimmed();
}

bool PasswordExchange::oldPasswordAccepted(const QByteArray& record, const QByteArray& oldEntry)
{
    const QByteArray stored = record.left(PasswordLength);
    if (stored == QByteArray(PasswordLength, static_cast<char>(protocol::PasswordPad))
        || stored == QByteArray(PasswordLength, static_cast<char>(protocol::ErasedByte)))
        return true;  // no password set
    return stored.size() == PasswordLength && oldEntry == stored;
}

void PasswordExchange::start()
{
    if (busy())
        return;
    resetRun(protocol::PasswordRetries);
    startAttempt();
}

void PasswordExchange::beginAttempt()
{
    clearInput();
    stage_ = Stage::Handshake;
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::HandshakeMagic.data()),
                            static_cast<int>(protocol::HandshakeMagic.size())));
}

bool PasswordExchange::receiveStep()
{
    using namespace protocol;
    switch (stage_) {
    case Stage::Handshake: {
        if (bytesWaiting() < PasswordHandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(PasswordHandshakeReplyBytes);
        if (!handshakeAccepted(reply, HandshakeMarker, PasswordEndMarker, PasswordMarkerDistance))
            return true;
        stage_ = Stage::Acknowledge;
        queueCommand(QByteArray(1, static_cast<char>(Ack)));
        clearInput();
        return false;
    }
    case Stage::Acknowledge:
        // The radio confirms programming mode with its own acknowledgement.
        if (static_cast<quint8>(takeBytes(1).at(0)) == Ack) {
            stage_ = Stage::Record;
            queueCommand(command(PasswordReadCommand, PasswordBlockAddress, ReadBlockBytes));
            clearInput();
            return false;
        }
        return true;
    case Stage::Record: {
        if (bytesWaiting() < PlainReplyBytes)
            return false;
        const QByteArray answer = takeBytes(PlainReplyBytes);
        sendNow(Ack);
        pauseThen(PasswordCheckPauseMs, [this, answer] { checkOldPassword(answer); });
        return false;
    }
    case Stage::Written: {
        const bool ack = static_cast<quint8>(takeBytes(1).at(0)) == Ack;
        // Only a byte that came after the write left can answer it.
        if (!sendDone())
            return true;
        if (!ack) {
            finishRun(LinkOutcome::Kind::WriteNotConfirmed);
            return false;
        }
        oldEntry_ = passwordEntry({});
        newEntry_ = passwordEntry({});
        finishRun(LinkOutcome::Kind::Completed);
        return false;
    }
    }
    return false;
}

void PasswordExchange::checkOldPassword(const QByteArray& answer)
{
    using namespace protocol;
    if (!oldPasswordAccepted(answer.mid(PasswordRecordStart, PasswordRecordBytes), oldEntry_)) {
        finishRun(LinkOutcome::Kind::WrongOldPassword);
        return;
    }
    stopReplyTimer();
    stopRetryTimer();
    // The new password, then the record's other ten bytes as the radio sent them.
    const QByteArray record = newEntry_ + answer.mid(PasswordRecordStart + PasswordLength,
                                                     PasswordRecordBytes - PasswordLength);
    // Whatever arrived during the pause (an answer to the acknowledgement,
    // noise) is not the answer to the write.
    clearInput();
    queueCommand(command(PasswordWriteCommand, PasswordBlockAddress, WriteBlockBytes, record));
    stage_ = Stage::Written;
}

void PasswordExchange::retriesUsedUp()
{
    finishRun(LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
