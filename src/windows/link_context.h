#pragma once

namespace r5 {

class PortTable;
class SerialPortFactory;
class LinkTimerFactory;

// What a window that talks to the radio needs besides the shared state: the
// ports the machine has and the makers of ports and timers (fakes in tests).
// The application object owns all three.
struct LinkContext {
    const PortTable& ports;
    SerialPortFactory& serialPorts;
    LinkTimerFactory& timers;
};

} // namespace r5
