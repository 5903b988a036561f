#include "gui/program_helpers.h"

#include "app/program_windows.h"


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

QList<SystemPort> eightBuiltInPorts()
{
    QList<SystemPort> ports;
    for (int n = 1; n <= 8; ++n)
        ports.append(SystemPort{builtInDevice(n), "Built-in serial port", "", false, false});
    return ports;
}

QString builtInDevice(int comPort) { return QString("/dev/ttyS%1").arg(comPort - 1); }

TestProgram::TestProgram(const QList<SystemPort>& systemPorts, MainWindow::Options options, Link kind,
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
