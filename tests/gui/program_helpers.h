#pragma once

#include "app/main_window.h"
#include "app/program_windows.h"
#include "link/port_table.h"
#include "model/app_state.h"
#include "support/link_fakes.h"
#include "windows/link_context.h"

#include <QList>
#include <QSet>
#include <QString>

namespace r5::test {

// The ports a test machine has: /dev/ttyS0 to /dev/ttyS7 for COM1 to COM8.
inline QString builtInDevice(int comPort) { return QString("/dev/ttyS%1").arg(comPort - 1); }

inline QList<SystemPort> eightBuiltInPorts()
{
    QList<SystemPort> ports;
    for (int n = 1; n <= 8; ++n)
        ports.append(SystemPort{builtInDevice(n), "Built-in serial port", "", false, false});
    return ports;
}

// The program as r5prog builds it, on fake ports (of which `openable` open)
// and the virtual clock.
struct TestProgram {
    enum class Link { Fake };

    explicit TestProgram(const QList<SystemPort>& systemPorts = eightBuiltInPorts(),
                         MainWindow::Options options = {}, Link = Link::Fake, const QSet<QString>& openable = {})
        : ports(PortTable::fromPorts(systemPorts)), link{ports, fakePorts, clock}, frame(state, options)
    {
        fakePorts.openable = openable;
        registerProgramWindows(frame, state, link);
    }

    // Runs the start-up with the probe of the real program.
    void startUp()
    {
        frame.startUp([this] { return probeStartUpPort(state, link); });
    }

    AppState state;
    PortTable ports;
    VirtualClock clock;
    FakeLine fakePorts{clock};   // silent: an exchange on it runs until it times out
    LinkContext link;
    MainWindow frame;
};

} // namespace r5::test
