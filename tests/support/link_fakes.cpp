#include "support/link_fakes.h"

#include <algorithm>
#include <utility>

namespace r5::test {

namespace {

// Repeats until stopped, as a real timer does.
class VirtualTimer : public LinkTimer {
public:
    VirtualTimer(VirtualClock& clock, std::shared_ptr<bool> clockAlive)
        : clock_(clock), clockAlive_(std::move(clockAlive)) {}
    ~VirtualTimer() override { stop(); }
    void start(int ms) override
    {
        stop();
        interval_ = std::max(ms, 1);
        active_ = *clockAlive_;
        arm();
    }
    void stop() override
    {
        active_ = false;
        if (*clockAlive_)
            clock_.cancel(this);
    }
    bool isActive() const override { return active_; }

private:
    void arm()
    {
        if (active_)
            clock_.schedule(clock_.now() + interval_, [this] { arm(); emit timeout(); }, this);
    }

    VirtualClock& clock_;
    std::shared_ptr<bool> clockAlive_;
    int interval_ = 1;
    bool active_ = false;
};

} // namespace

std::unique_ptr<LinkTimer> VirtualClock::create() { return std::make_unique<VirtualTimer>(*this, alive_); }

void VirtualClock::schedule(qint64 at, std::function<void()> action, const void* owner)
{
    events_.emplace(std::make_pair(std::max(at, now_), sequence_++), Event{owner, std::move(action)});
}

void VirtualClock::cancel(const void* owner)
{
    std::erase_if(events_, [owner](const auto& e) { return e.second.owner == owner; });
}

bool VirtualClock::runNext(qint64 limit)
{
    if (events_.empty() || events_.begin()->first.first > limit)
        return false;
    now_ = events_.begin()->first.first;
    const Event event = std::move(events_.begin()->second);
    events_.erase(events_.begin());
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
    while (!done())
        if (!runNext(limit))
            return false;
    return true;
}

class FakePort : public SerialPort {
public:
    explicit FakePort(FakeLine& line) : line_(line) {}
    ~FakePort() override
    {
        close();
        if (line_.port == this)
            line_.port = nullptr;
    }
    bool open(const QString& device) override
    {
        if (open_)
            return false;
        const bool refused = line_.openable && !line_.openable->contains(device);
        if (refused || !line_.openError.isEmpty()) {
            error_ = refused ? QStringLiteral("No such file or directory") : line_.openError;
            return false;
        }
        open_ = true;
        input_.clear();
        line_.port = this;   // the line's answers reach whoever holds the device now
        line_.opened << device;
        ++line_.openPorts;
        return true;
    }
    QString errorString() const override { return error_; }
    bool isOpen() const override { return open_; }
    void close() override
    {
        line_.openPorts -= open_ ? 1 : 0;
        open_ = false;
        input_.clear();
    }
    void writeByte(quint8 byte) override
    {
        if (open_)
            line_.carry(byte);
    }
    int bytesWaiting() const override { return static_cast<int>(input_.size()); }
    quint8 readByte() override
    {
        const quint8 b = input_.isEmpty() ? 0 : static_cast<quint8>(input_[0]);
        input_.remove(0, 1);
        return b;
    }
    void clearInput() override { input_.clear(); }
    void clearOutput() override {}
    void receive(char byte)
    {
        input_.append(byte);
        emit dataArrived();
    }

private:
    FakeLine& line_;
    bool open_ = false;
    QByteArray input_;
    QString error_;
};

std::unique_ptr<SerialPort> FakeLine::create()
{
    auto p = std::make_unique<FakePort>(*this);
    port = p.get();
    return p;
}

void FakeLine::carry(quint8 byte)
{
    written.append(static_cast<char>(byte));
    pending_.append(static_cast<char>(byte));
    if (!std::exchange(burstScheduled_, true))
        clock_.schedule(clock_.now() + 1, [this] { endBurst(); });
}

void FakeLine::endBurst()
{
    burstScheduled_ = false;
    commands.append(std::exchange(pending_, {}));
    sentAt.append(clock_.now());
    const QByteArray answer = radio ? radio(commands.last()) : QByteArray();
    qint64 at = std::max(clock_.now() + 1, replyFreeAt_);
    for (const char byte : answer)
        clock_.schedule(at++, [this, byte] {
            if (port && port->isOpen())
                static_cast<FakePort*>(port)->receive(byte);
        });
    replyFreeAt_ = at;
}

} // namespace r5::test
