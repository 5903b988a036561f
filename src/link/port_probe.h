#pragma once

#include "link/port_table.h"
#include "link/serial_port.h"

namespace r5 {

// The start-up probe: tries COM8 down to COM1 and settles on the first port
// that opens (closing it again at once); 1 when none opens. Never reports an
// error: a failed open only moves on to the next number.
struct ProbeResult {
    int comPort = 1;
    bool portOpenFailed = true;   // no port opened
};
ProbeResult probePorts(const PortTable& table, SerialPortFactory& factory);
int probeComPort(const PortTable& table, SerialPortFactory& factory);

} // namespace r5
