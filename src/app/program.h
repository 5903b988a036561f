#pragma once

#include "app/command_line.h"
#include "app/main_window.h"
#include "link/link_timer.h"
#include "link/port_table.h"
#include "link/qt_serial_port.h"
#include "model/app_state.h"
#include "windows/link_context.h"

namespace r5 {

// One run of the desktop program: the state every window shares, the serial
// ports of this machine with the makers of ports and timers, and the main
// window, set up in the order of a fresh start.
class Program {
public:
    explicit Program(const ProgramOptions& options);

    MainWindow& frame() { return frame_; }
    AppState& state() { return state_; }

private:
    AppState state_;
    PortTable ports_;
    QtSerialPortFactory serialPorts_;
    QtLinkTimerFactory timers_;
    LinkContext link_;
    MainWindow frame_;
};

} // namespace r5
