#include "link/port_probe.h"

namespace r5 {

ProbeResult probePorts(const PortTable& table, SerialPortFactory& factory)
{
    ProbeResult result;
    const auto port = factory.create();
    for (int n = PortTable::kLast; n >= PortTable::kFirst; --n) {
        if (!table.exists(n))
            continue;
        if (port->open(table.device(n))) {
            // No port stays open while no link window works.
            port->close();
            result.comPort = n;
            result.portOpenFailed = false;
            return result;
        }
    }
    return result;
}

int probeComPort(const PortTable& table, SerialPortFactory& factory)
{
    return probePorts(table, factory).comPort;
}

} // namespace r5
