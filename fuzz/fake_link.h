#pragma once

#include "link/link_timer.h"
#include "link/serial_port.h"

#include <QByteArray>

#include <limits>
#include <memory>
#include <vector>

namespace r5::fuzz {

// Virtual time for the exchanges' timers: nothing fires until the player
// moves the clock, and then every timer fires at its own due time, in order.
class FuzzClock : public LinkTimerFactory {
public:
    static constexpr qint64 kNever = std::numeric_limits<qint64>::max();

    std::unique_ptr<LinkTimer> create() override;
    qint64 now() const { return now_; }
    // Due time of the earliest running timer, kNever when none runs.
    qint64 nextDue() const;
    // Fires everything due up to `time`, then stands at `time`.
    void advanceTo(qint64 time);

    // Used by the timers.
    void add(class FuzzTimer* timer) { timers_.push_back(timer); }
    void remove(FuzzTimer* timer);
    qint64 nextSequence() { return ++sequence_; }

private:
    FuzzTimer* earliest() const;

    qint64 now_ = 0;
    qint64 sequence_ = 0;
    std::vector<FuzzTimer*> timers_;
};

class FuzzTimer : public LinkTimer {
public:
    explicit FuzzTimer(FuzzClock& clock) : clock_(clock) { clock_.add(this); }
    ~FuzzTimer() override { clock_.remove(this); }
    void start(int ms) override;
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    qint64 due() const { return due_; }
    qint64 sequence() const { return sequence_; }
    void fire();

private:
    FuzzClock& clock_;
    bool active_ = false;
    int interval_ = 1;
    qint64 due_ = 0;
    qint64 sequence_ = 0;   // timers due at the same time fire in the order they were started
};

// The port the exchange gets: what the program writes is only counted and
// timed; what the radio says is handed in by the player. It breaks the
// run on a read from an empty buffer or a write to a closed port.
class FuzzPort : public SerialPort {
public:
    explicit FuzzPort(const FuzzClock& clock) : clock_(clock) {}
    bool open(const QString& systemName) override;
    QString errorString() const override { return {}; }
    bool isOpen() const override { return open_; }
    void close() override;
    void writeByte(quint8 byte) override;
    int bytesWaiting() const override { return static_cast<int>(input_.size()); }
    quint8 readByte() override;
    void clearInput() override { input_.clear(); }
    void clearOutput() override {}

    // Bytes from the radio, all at once; lost while the port is closed.
    void receive(const QByteArray& bytes);
    // The cable is pulled: the port reports an error and stays as it is.
    void breakLine() { emit errorOccurred(); }

    qint64 bytesWritten() const { return written_; }
    // Everything the program wrote to this port.
    const QByteArray& writtenBytes() const { return log_; }
    qint64 lastWriteAt() const { return lastWriteAt_; }

private:
    const FuzzClock& clock_;
    bool open_ = false;
    QByteArray input_;
    QByteArray log_;
    qint64 written_ = 0;
    qint64 lastWriteAt_ = 0;
};

class FuzzLine : public SerialPortFactory {
public:
    explicit FuzzLine(const FuzzClock& clock) : clock_(clock) {}
    std::unique_ptr<SerialPort> create() override;
    FuzzPort* port = nullptr;   // the one port created last

private:
    const FuzzClock& clock_;
};

} // namespace r5::fuzz
