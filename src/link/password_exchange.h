#pragma once

#include "link/link_exchange.h"
#include "model/text.h"

#include <QByteArray>

namespace r5 {

namespace passwordtext {
// The Modify button with two different new passwords; nothing is sent.
inline constexpr Text kMismatch{"密码不一致", "Password is not consistent ."};
} // namespace passwordtext

// Changes the radio's password: proves the old password against the record at
// 0x3A0 and writes the new one, keeping the record's other ten bytes. One
// attempt, no retry.
class PasswordExchange : public LinkExchange {
    Q_OBJECT
public:
    PasswordExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                     LinkTimerFactory& timerFactory, QObject* parent = nullptr);

    // The passwords as typed (surrounding spaces are dropped; at most six
    // characters count, padded with spaces).
    void setOldPassword(const QString& text);
    void setNewPassword(const QString& text);
    // Both new-password boxes must hold the same text (trimmed).
    static bool newPasswordsMatch(const QString& first, const QString& second);

    // The Modify button; does nothing while busy.
    void start();

    // The six character codes a typed password is compared and stored as.
    static QByteArray passwordEntry(const QString& text);
    // Whether the 68-byte answer (58 03 A0 40 + 64 bytes) lets `oldEntry` write.
    static bool oldPasswordAccepted(const QByteArray& answer, const QByteArray& oldEntry);

signals:
    // The old password does not match the radio's; nothing was written.
    void oldPasswordRefused(const QString& message);

protected:
    void beginAttempt() override;
    bool receiveStep() override;
    void retriesUsedUp() override;

private:
    enum class Stage { Handshake, Acknowledge, Record, Written };
    void checkOldPassword(const QByteArray& answer);

    Stage stage_ = Stage::Handshake;
    QByteArray oldEntry_;
    QByteArray newEntry_;
};

} // namespace r5
