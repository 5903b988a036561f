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
#include <vector>

namespace r5::test {

// Time for the link without waiting: timers and line events fire in order of
// their due time when the test advances the clock.
class VirtualClock : public LinkTimerFactory {
public:
    ~VirtualClock() override;
    std::unique_ptr<LinkTimer> create() override;

    qint64 now() const { return now_; }
    // Runs everything due up to now + ms.
    void advance(qint64 ms);
    // Runs until `done` holds or `limitMs` has passed; true when it held.
    bool runUntil(const std::function<bool()>& done, qint64 limitMs = 60000);
    void schedule(qint64 at, std::function<void()> action);

    // Used by the timers.
    void arm(class VirtualTimer* timer, qint64 due);
    void disarm(VirtualTimer* timer);
    void forget(VirtualTimer* timer);

private:
    bool runNext(qint64 limit);

    qint64 now_ = 0;
    qint64 sequence_ = 0;
    struct Event {
        VirtualTimer* timer = nullptr;
        std::function<void()> action;
    };
    std::multimap<std::pair<qint64, qint64>, Event> events_;
    std::vector<VirtualTimer*> timers_;
};

class VirtualTimer : public LinkTimer {
public:
    explicit VirtualTimer(VirtualClock& clock) : clock_(&clock) {}
    ~VirtualTimer() override;
    void start(int ms) override;
    void stop() override;
    bool isActive() const override { return active_; }
    void fire();
    void forgetClock() { clock_ = nullptr; }

private:
    VirtualClock* clock_;
    int interval_ = 0;
    bool active_ = false;
};

// One command the program sent (a burst ended by silence) and when it left.
struct Burst {
    qint64 at;
    QByteArray bytes;
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
    bool openPermissionDenied = false;
    std::optional<QSet<QString>> openable;
    QStringList opened;            // the device of every successful open
    int openPorts = 0;             // ports open right now

    QList<Burst> bursts;           // everything the program sent, by command
    QByteArray written;            // everything the program sent
    QByteArrayList commands() const;

    // Pulls the cable: the open port reports an error, further opens fail.
    void pull();

    class FakePort* port = nullptr;   // the port created last

    // Used by the port.
    void carry(quint8 byte);

private:
    void endBurst();

    VirtualClock& clock_;
    QByteArray pending_;
    bool burstScheduled_ = false;
    qint64 replyFreeAt_ = 0;
};

class FakePort : public SerialPort {
public:
    explicit FakePort(FakeLine& line) : line_(line) {}
    ~FakePort() override;
    bool open(const QString& systemName) override;
    QString errorString() const override { return error_; }
    bool permissionDenied() const override { return permissionDenied_; }
    bool isOpen() const override { return open_; }
    void close() override;
    void writeByte(quint8 byte) override;
    int bytesWaiting() const override { return static_cast<int>(input_.size()); }
    quint8 readByte() override;
    void clearInput() override { input_.clear(); }
    void clearOutput() override {}

    void receive(const QByteArray& bytes);
    void breakLine();

private:
    FakeLine& line_;
    bool open_ = false;
    QByteArray input_;
    QString error_;
    bool permissionDenied_ = false;
};

QByteArray hex(const char* text);   // "06 53 00 00 40" -> bytes

} // namespace r5::test
