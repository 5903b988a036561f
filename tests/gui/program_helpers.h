#pragma once

#include "app/main_window.h"
#include "link/link_timer.h"
#include "link/port_table.h"
#include "link/qt_serial_port.h"
#include "model/app_state.h"
#include "support/link_fakes.h"
#include "windows/link_context.h"

#include <QList>
#include <QSet>
#include <QString>

namespace r5::test {

// The ports a test machine has: /dev/ttyS0 to /dev/ttyS7 for COM1 to COM8.
QList<SystemPort> eightBuiltInPorts();
QString builtInDevice(int comPort);

// The program as r5prog builds it, with the serial line and the clock chosen
// by the test: fake ports on a virtual clock, or real ports on real timers.
struct TestProgram {
    enum class Link { Fake, Real };

    explicit TestProgram(const QList<SystemPort>& systemPorts = eightBuiltInPorts(),
                         MainWindow::Options options = {}, Link kind = Link::Fake,
                         const QSet<QString>& openable = {});

    // Registers the program's windows and runs the start-up. Tests that need
    // an extra window register it before.
    void startUp();

    AppState state;
    PortTable ports;
    VirtualClock clock;
    FakeLine fakePorts{clock};   // silent: an exchange on it runs until it times out
    QtSerialPortFactory realPorts;
    QtLinkTimerFactory realTimers;
    LinkContext link;
    MainWindow frame;
};

} // namespace r5::test
