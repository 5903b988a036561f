#include "gui/program_helpers.h"

#include "app/program_windows.h"

#include <algorithm>

namespace r5::test {

bool FakeSerialPort::open(const QString& systemName)
{
    if (open_)
        return false;
    if (!factory_.openable.contains(systemName)) {
        error_ = "No such file or directory";
        return false;
    }
    open_ = true;
    ++factory_.openPorts;
    factory_.opened << systemName;
    return true;
}

void FakeSerialPort::close()
{
    if (open_)
        --factory_.openPorts;
    open_ = false;
}

void FakeSerialPort::writeByte(quint8 byte)
{
    if (open_)
        factory_.written.append(char(byte));
}

class VirtualTimer : public LinkTimer {
public:
    explicit VirtualTimer(VirtualClock& clock) : clock_(clock) { clock_.timers_.push_back(this); }
    ~VirtualTimer() override { std::erase(clock_.timers_, this); }

    void start(int ms) override
    {
        interval_ = std::max(ms, 1);
        due_ = clock_.now_ + interval_;
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    qint64 due() const { return due_; }
    void fire()
    {
        due_ += interval_;
        emit timeout();
    }

private:
    VirtualClock& clock_;
    int interval_ = 0;
    qint64 due_ = 0;
    bool active_ = false;
};

std::unique_ptr<LinkTimer> VirtualClock::create() { return std::make_unique<VirtualTimer>(*this); }

void VirtualClock::advance(int ms)
{
    const qint64 end = now_ + ms;
    for (;;) {
        VirtualTimer* next = nullptr;
        for (VirtualTimer* timer : timers_)
            if (timer->isActive() && timer->due() <= end && (!next || timer->due() < next->due()))
                next = timer;
        if (!next)
            break;
        now_ = next->due();
        next->fire();
    }
    now_ = end;
}

QList<SystemPort> eightBuiltInPorts()
{
    QList<SystemPort> ports;
    for (int n = 1; n <= 8; ++n)
        ports.append(SystemPort{builtInDevice(n), "Built-in serial port", "", false, false});
    return ports;
}

QString builtInDevice(int comPort) { return QString("/dev/ttyS%1").arg(comPort - 1); }

TestProgram::TestProgram(const QList<SystemPort>& systemPorts, MDImain::Options options, Link kind,
                         const QSet<QString>& openable)
    : ports(PortTable::fromPorts(systemPorts)),
      link{ports, kind == Link::Real ? static_cast<SerialPortFactory&>(realPorts) : fakePorts,
           kind == Link::Real ? static_cast<LinkTimerFactory&>(realTimers) : clock},
      frame(state, options)
{
    fakePorts.openable = openable;
    registerProgramWindows(frame, state, link);
}

void TestProgram::startUp()
{
    frame.startUp([this] { return probeStartUpPort(state, link); });
}

} // namespace r5::test
