#include "link/password_exchange.h"

#include "link/handshake.h"
#include "link/protocol.h"

namespace r5 {
namespace {

constexpr LinkValues kPasswordValues{protocol::kReplyTimeoutMs, protocol::kPasswordRetryPauseMs,
                                     protocol::kPasswordRetries};

using protocol::kPasswordLength;

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
    if (entry.size() < kPasswordLength)
        entry.append(QByteArray(kPasswordLength - entry.size(), static_cast<char>(protocol::kPasswordPad)));
    return entry;
}

void PasswordExchange::setOldPassword(const QString& text)
{
    oldEntry_ = passwordEntry(text);
}

void PasswordExchange::setNewPassword(const QString& text)
{
    // The record holds six characters; the callers refuse longer ones.
    newEntry_ = passwordEntry(text).left(kPasswordLength);
}

bool PasswordExchange::newPasswordsMatch(const QString& first, const QString& second)
{
    return first.trimmed() == second.trimmed();
}

bool PasswordExchange::oldPasswordAccepted(const QByteArray& record, const QByteArray& oldEntry)
{
    const QByteArray stored = record.left(kPasswordLength);
    if (stored == QByteArray(kPasswordLength, static_cast<char>(protocol::kPasswordPad))
        || stored == QByteArray(kPasswordLength, static_cast<char>(protocol::kErasedByte)))
        return true;  // no password set
    return stored.size() == kPasswordLength && oldEntry == stored;
}

void PasswordExchange::start()
{
    if (busy())
        return;
    resetRun(protocol::kPasswordRetries);
    startAttempt();
}

void PasswordExchange::beginAttempt()
{
    clearInput();
    stage_ = Stage::Handshake;
    queueCommand(QByteArray(reinterpret_cast<const char*>(protocol::kHandshakeMagic.data()),
                            static_cast<int>(protocol::kHandshakeMagic.size())));
}

bool PasswordExchange::receiveStep()
{
    using namespace protocol;
    switch (stage_) {
    case Stage::Handshake: {
        if (bytesWaiting() < kPasswordHandshakeReplyBytes)
            return false;
        const QByteArray reply = takeBytes(kPasswordHandshakeReplyBytes);
        if (!handshakeAccepted(reply, kHandshakeMarker, kPasswordEndMarker, kPasswordMarkerDistance))
            return true;
        stage_ = Stage::Acknowledge;
        queueCommand(QByteArray(1, static_cast<char>(kAck)));
        clearInput();
        return false;
    }
    case Stage::Acknowledge:
        // The radio confirms programming mode with its own acknowledgement.
        if (static_cast<quint8>(takeBytes(1).at(0)) == kAck) {
            stage_ = Stage::Record;
            queueCommand(command(kPasswordReadCommand, kPasswordBlockAddress, kReadBlockBytes));
            clearInput();
            return false;
        }
        return true;
    case Stage::Record: {
        if (bytesWaiting() < kPlainReplyBytes)
            return false;
        const QByteArray answer = takeBytes(kPlainReplyBytes);
        sendNow(kAck);
        pauseThen(kPasswordCheckPauseMs, [this, answer] { checkOldPassword(answer); });
        return false;
    }
    case Stage::Written: {
        const bool ack = static_cast<quint8>(takeBytes(1).at(0)) == kAck;
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
    if (!oldPasswordAccepted(answer.mid(kPasswordRecordStart, kPasswordRecordBytes), oldEntry_)) {
        finishRun(LinkOutcome::Kind::WrongOldPassword);
        return;
    }
    stopReplyTimer();
    stopRetryTimer();
    // The new password, then the record's other ten bytes as the radio sent them.
    const QByteArray record = newEntry_ + answer.mid(kPasswordRecordStart + kPasswordLength,
                                                     kPasswordRecordBytes - kPasswordLength);
    // Whatever arrived during the pause (an answer to the acknowledgement,
    // noise) is not the answer to the write.
    clearInput();
    queueCommand(command(kPasswordWriteCommand, kPasswordBlockAddress, kWriteBlockBytes, record));
    stage_ = Stage::Written;
}

void PasswordExchange::retriesUsedUp()
{
    // Silence after the record left is no confirmation: the radio may have stored it.
    finishRun(stage_ == Stage::Written ? LinkOutcome::Kind::WriteNotConfirmed : LinkOutcome::Kind::NoAnswer);
}

} // namespace r5
