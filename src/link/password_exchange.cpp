#include "link/password_exchange.h"

#include "link/handshake.h"
#include "link/link_texts.h"
#include "link/protocol.h"

namespace r5 {
namespace {

constexpr Text kOldPasswordError{"原密码错误，禁止写入", "Old PassWord Error, Writeing Stop"};
constexpr Text kModifySuccess{"密码修改成功 ", "PassWord Modify Success ! "};

constexpr LinkValues kPasswordValues{protocol::kReplyTimeoutMs, protocol::kPasswordRetryPauseMs,
                                     protocol::kPasswordRetries};

using protocol::kPasswordLength;

// First start s in [first, last] where `count` bytes of `answer` from s satisfy
// `match(i, byte)`; last + 1 when there is none.
template <typename Match>
int firstStart(const QByteArray& answer, int first, int last, int count, Match match)
{
    for (int s = first; s <= last; ++s) {
        bool all = s + count <= answer.size();
        for (int i = 0; all && i < count; ++i)
            all = match(i, static_cast<quint8>(answer[s + i]));
        if (all)
            return s;
    }
    return last + 1;
}

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
    // The radio keeps one byte per character; characters beyond Latin-1 have no code there.
    QByteArray entry = text.trimmed().left(kPasswordLength).toLatin1();
    entry.append(QByteArray(kPasswordLength - entry.size(), static_cast<char>(protocol::kPasswordPad)));
    return entry;
}

void PasswordExchange::setOldPassword(const QString& text)
{
    oldEntry_ = passwordEntry(text);
}

void PasswordExchange::setNewPassword(const QString& text)
{
    newEntry_ = passwordEntry(text);
}

bool PasswordExchange::newPasswordsMatch(const QString& first, const QString& second)
{
    return first.trimmed() == second.trimmed();
}

bool PasswordExchange::oldPasswordAccepted(const QByteArray& answer, const QByteArray& oldEntry)
{
    using namespace protocol;
    const auto spaces = [](int, quint8 b) { return b == kPasswordPad; };
    const auto erased = [](int, quint8 b) { return b == kErasedByte; };
    const auto same = [&](int i, quint8 b) { return b == static_cast<quint8>(oldEntry[i]); };

    // No password set: six spaces or six erased bytes at the record's start.
    int k = firstStart(answer, kPasswordRecordStart, kPasswordSpacesSearchLast, kPasswordLength, spaces);
    if (k > kPasswordSpacesFirstOnly)
        k = firstStart(answer, kPasswordRecordStart, kPasswordSpacesSearchLast, kPasswordLength, erased);
    if (k <= kPasswordNoPasswordLastStart)
        return true;

    k = firstStart(answer, kPasswordRecordStart, kPasswordFullSearchLast, kPasswordLength, same);
    if (k >= kPasswordFullRecheckFrom) {
        k = firstStart(answer, kPasswordRecordStart, kPasswordFiveSearchLast, kPasswordFiveCompared, same);
        if (k < kPasswordFiveAcceptBelow)
            k = kPasswordNoPasswordLastStart;
    }
    return k <= kPasswordNoPasswordLastStart;
}

void PasswordExchange::start()
{
    if (busy())
        return;
    setRetriesLeft(protocol::kPasswordRetries);
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
        const bool written = static_cast<quint8>(takeBytes(1).at(0)) == kAck;
        finishAttempt();
        if (written) {
            oldEntry_ = passwordEntry({});
            newEntry_ = passwordEntry({});
            emit completed(text(kModifySuccess));
        } else {
            // The radio did not confirm the write: the password may be unchanged.
            emit failed(text(linktext::kFailConnect));
        }
        return false;
    }
    }
    return false;
}

void PasswordExchange::checkOldPassword(const QByteArray& answer)
{
    using namespace protocol;
    if (!oldPasswordAccepted(answer, oldEntry_)) {
        finishAttempt();
        emit oldPasswordRefused(text(kOldPasswordError));
        return;
    }
    stopReplyTimer();
    stopRetryTimer();
    // The new password, then the record's other ten bytes as the radio sent them.
    const QByteArray record = newEntry_ + answer.mid(kPasswordRecordStart + kPasswordLength,
                                                     kPasswordRecordBytes - kPasswordLength);
    queueCommand(command(kPasswordWriteCommand, kPasswordBlockAddress, kWriteBlockBytes, record));
    stage_ = Stage::Written;
}

void PasswordExchange::retriesUsedUp()
{
    finishAttempt();
    emit failed(text(linktext::kFailConnect));
}

} // namespace r5
