#pragma once

#include "link/link_timer.h"
#include "link/serial_port.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace r5::test {

// Time for the link without waiting: timers and line events fire in order of
// their due time when the test advances the clock.
class VirtualClock : public LinkTimerFactory {
public:
    ~VirtualClock() override { *alive_ = false; }
    std::unique_ptr<LinkTimer> create() override;

    qint64 now() const { return now_; }
    // Runs everything due up to now + ms.
    void advance(qint64 ms);
    // Runs until `done` holds or `limitMs` has passed; true when it held.
    bool runUntil(const std::function<bool()>& done, qint64 limitMs = 60000);
    // Runs `action` at `at`; what an `owner` (a timer) scheduled it may cancel.
    void schedule(qint64 at, std::function<void()> action, const void* owner = nullptr);
    void cancel(const void* owner);

private:
    bool runNext(qint64 limit);

    struct Event {
        const void* owner;
        std::function<void()> action;
    };
    qint64 now_ = 0;
    qint64 sequence_ = 0;   // keeps events due at the same time in order
    std::multimap<std::pair<qint64, qint64>, Event> events_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);   // for timers that outlive the clock
};

// The cable and the radio at its end, for the core and the window tests. The
// program's bytes are grouped into commands by a millisecond of silence and
// handed to `radio`; its answer comes back one byte per millisecond, about the
// 9600-baud pace. Without a radio the line stays silent.
class FakeLine : public SerialPortFactory {
public:
    explicit FakeLine(VirtualClock& clock) : clock_(clock) {}
    std::unique_ptr<SerialPort> create() override;

    // The radio: a command in, the answer out (empty: silence).
    std::function<QByteArray(const QByteArray&)> radio;

    // Opening fails with this reason while set, and for a device not in
    // `openable` when that is given.
    QString openError;
    std::optional<QSet<QString>> openable;
    QStringList opened;            // the device of every successful open
    int openPorts = 0;             // ports open right now

    // Everything the program sent, a command (a burst ended by silence) an
    // entry, and when each left.
    QByteArrayList commands;
    QList<qint64> sentAt;
    QByteArray written;            // everything the program sent, as one

    SerialPort* port = nullptr;    // the port opened (or else created) last: it hears the radio

private:
    friend class FakePort;
    void carry(quint8 byte);
    void endBurst();

    VirtualClock& clock_;
    QByteArray pending_;
    bool burstScheduled_ = false;
    qint64 replyFreeAt_ = 0;
};

// "06 53 00 00 40" -> bytes; the spaces are passed over.
inline QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

} // namespace r5::test
