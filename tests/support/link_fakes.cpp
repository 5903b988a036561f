#include "support/link_fakes.h"

#include <algorithm>

namespace r5::test {

// --- Clock ---------------------------------------------------------------

VirtualClock::~VirtualClock()
{
    for (VirtualTimer* t : timers_)
        t->forgetClock();
}

std::unique_ptr<LinkTimer> VirtualClock::create()
{
    auto timer = std::make_unique<VirtualTimer>(*this);
    timers_.push_back(timer.get());
    return timer;
}

void VirtualClock::arm(VirtualTimer* timer, qint64 due)
{
    disarm(timer);
    events_.emplace(std::make_pair(due, sequence_++), Event{timer, nullptr});
}

void VirtualClock::disarm(VirtualTimer* timer)
{
    for (auto it = events_.begin(); it != events_.end();)
        it = it->second.timer == timer ? events_.erase(it) : std::next(it);
}

void VirtualClock::forget(VirtualTimer* timer)
{
    disarm(timer);
    std::erase(timers_, timer);
}

void VirtualClock::schedule(qint64 at, std::function<void()> action)
{
    events_.emplace(std::make_pair(std::max(at, now_), sequence_++), Event{nullptr, std::move(action)});
}

bool VirtualClock::runNext(qint64 limit)
{
    if (events_.empty() || events_.begin()->first.first > limit)
        return false;
    auto it = events_.begin();
    now_ = it->first.first;
    Event event = std::move(it->second);
    events_.erase(it);
    if (event.timer)
        event.timer->fire();
    else
        event.action();
    return true;
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 target = now_ + ms;
    while (runNext(target)) {
    }
    now_ = target;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, qint64 limitMs)
{
    const qint64 limit = now_ + limitMs;
    while (!done()) {
        if (!runNext(limit))
            return false;
    }
    return true;
}

VirtualTimer::~VirtualTimer()
{
    if (clock_)
        clock_->forget(this);
}

void VirtualTimer::start(int ms)
{
    interval_ = std::max(ms, 1);
    active_ = true;
    if (clock_)
        clock_->arm(this, clock_->now() + interval_);
}

void VirtualTimer::stop()
{
    active_ = false;
    if (clock_)
        clock_->disarm(this);
}

void VirtualTimer::fire()
{
    // Repeats until stopped, as a real timer does.
    if (clock_)
        clock_->arm(this, clock_->now() + interval_);
    emit timeout();
}

// --- Line ------------------------------------------------------------------

std::unique_ptr<SerialPort> FakeLine::create()
{
    auto p = std::make_unique<FakePort>(*this);
    port = p.get();
    return p;
}

QByteArrayList FakeLine::commands() const
{
    QByteArrayList list;
    for (const Burst& b : bursts)
        list << b.bytes;
    return list;
}

void FakeLine::carry(quint8 byte)
{
    written.append(static_cast<char>(byte));
    pending_.append(static_cast<char>(byte));
    if (!burstScheduled_) {
        burstScheduled_ = true;
        clock_.schedule(clock_.now() + 1, [this] { endBurst(); });
    }
}

void FakeLine::endBurst()
{
    burstScheduled_ = false;
    const QByteArray command = pending_;
    pending_.clear();
    bursts.append({clock_.now(), command});
    if (!radio)
        return;
    const QByteArray answer = radio(command);
    qint64 at = std::max(clock_.now() + 1, replyFreeAt_);
    for (const char byte : answer) {
        clock_.schedule(at, [this, byte] {
            if (port && port->isOpen())
                port->receive(QByteArray(1, byte));
        });
        ++at;
    }
    replyFreeAt_ = at;
}

void FakeLine::pull()
{
    openError = QStringLiteral("No such file or directory");
    if (port)
        port->breakLine();
}

FakePort::~FakePort()
{
    close();
    if (line_.port == this)
        line_.port = nullptr;
}

bool FakePort::open(const QString& systemName)
{
    if (open_)
        return false;
    const bool refused = line_.openable && !line_.openable->contains(systemName);
    if (!line_.openError.isEmpty() || refused) {
        error_ = refused ? QStringLiteral("No such file or directory") : line_.openError;
        permissionDenied_ = !refused && line_.openPermissionDenied;
        return false;
    }
    open_ = true;
    input_.clear();
    line_.opened << systemName;
    ++line_.openPorts;
    return true;
}

void FakePort::close()
{
    if (open_)
        --line_.openPorts;
    open_ = false;
    input_.clear();
}

void FakePort::writeByte(quint8 byte)
{
    if (open_)
        line_.carry(byte);
}

quint8 FakePort::readByte()
{
    if (input_.isEmpty())
        return 0;
    const quint8 b = static_cast<quint8>(input_[0]);
    input_.remove(0, 1);
    return b;
}

void FakePort::receive(const QByteArray& bytes)
{
    input_.append(bytes);
    emit dataArrived();
}

void FakePort::breakLine()
{
    if (open_)
        emit errorOccurred();
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

} // namespace r5::test
