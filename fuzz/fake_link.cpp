#include "fake_link.h"

#include "fuzz_check.h"

#include <algorithm>

namespace r5::fuzz {

std::unique_ptr<LinkTimer> FuzzClock::create()
{
    return std::make_unique<FuzzTimer>(*this);
}

void FuzzClock::remove(FuzzTimer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

FuzzTimer* FuzzClock::earliest() const
{
    FuzzTimer* first = nullptr;
    for (FuzzTimer* t : timers_)
        if (t->isActive() && (!first || std::pair(t->due(), t->sequence()) < std::pair(first->due(), first->sequence())))
            first = t;
    return first;
}

qint64 FuzzClock::nextDue() const
{
    const FuzzTimer* first = earliest();
    return first ? first->due() : kNever;
}

void FuzzClock::advanceTo(qint64 time)
{
    while (FuzzTimer* t = earliest()) {
        if (t->due() > time)
            break;
        now_ = std::max(now_, t->due());
        t->fire();
    }
    now_ = std::max(now_, time);
}

void FuzzTimer::start(int ms)
{
    // A repeating timer of 0 ms would fire without end at one instant.
    interval_ = std::max(ms, 1);
    due_ = clock_.now() + std::max(ms, 0);
    sequence_ = clock_.nextSequence();
    active_ = true;
}

void FuzzTimer::fire()
{
    due_ += interval_;
    sequence_ = clock_.nextSequence();
    emit timeout();
}

bool FuzzPort::open(const QString&)
{
    open_ = true;
    input_.clear();
    return true;
}

void FuzzPort::close()
{
    open_ = false;
    input_.clear();
}

void FuzzPort::writeByte(quint8 byte)
{
    require(open_, "bytes are written only to an open port");
    log_.append(static_cast<char>(byte));
    ++written_;
    lastWriteAt_ = clock_.now();
}

quint8 FuzzPort::readByte()
{
    require(open_ && !input_.isEmpty(), "bytes are read only from an open port that holds some");
    const quint8 byte = static_cast<quint8>(input_.front());
    input_.remove(0, 1);
    return byte;
}

void FuzzPort::receive(const QByteArray& bytes)
{
    if (!open_ || bytes.isEmpty())
        return;
    input_.append(bytes);
    emit dataArrived();
}

std::unique_ptr<SerialPort> FuzzLine::create()
{
    auto created = std::make_unique<FuzzPort>(clock_);
    port = created.get();
    return created;
}

} // namespace r5::fuzz
