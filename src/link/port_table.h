#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace r5 {

// One serial port the system reports.
struct SystemPort {
    QString device;        // /dev/ttyUSB0, COM3, or a path named with --port
    QString description;   // the adapter's name, where the system reports one
    QString serialNumber;
    bool usb = false;      // a USB adapter (ttyUSB, ttyACM)
    bool named = false;    // named with --port
};

// The numbers COM1 to COM8 the program shows and the ports behind them.
// On Windows they are COM1 to COM8 themselves. Elsewhere they are the ports the
// system reports, in this order: built-in ports, then USB adapters (ttyUSB,
// ttyACM, by name), then the ports named with --port, which always take the
// highest numbers. The start-up probe runs from 8 down to 1, so it meets the
// most specific port first, as on Windows where adapters get the higher numbers.
// With more than eight ports, built-in ones give way first.
class PortTable {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 8;

    PortTable() = default;
    // The ports of this system, plus the devices named with --port.
    static PortTable fromSystem(const QStringList& namedDevices = {});
    // The same numbering over a given list (the system's ports and the named
    // ones, in any order).
    static PortTable fromPorts(const QList<SystemPort>& ports);

    // The system's name of port n (for opening it), empty when there is none.
    QString device(int comPort) const;
    // What the port is: device, adapter description and serial number, for
    // tool tips and the port window. Empty when there is none.
    QString description(int comPort) const;
    bool exists(int comPort) const { return !device(comPort).isEmpty(); }
    // Everything the system reported of port n; null when there is none.
    const SystemPort* port(int comPort) const;
    // The number of a device, 0 when the table does not hold it.
    int comPortOf(const QString& device) const;

    // "COM" followed by the number, as the status bar and the port window show it.
    static QString comName(int comPort);

private:
    std::array<std::optional<SystemPort>, kLast> ports_;
};

// A --port value: a device path, or COM1 to COM8, or 1 to 8.
struct PortArgument {
    int comPort = 0;       // 1 to 8 when a number was given
    QString device;        // the path when a device was given
    QString error;         // why the value was refused (empty when it was accepted)
    bool ok() const { return error.isEmpty(); }
};
PortArgument parsePortArgument(const QString& value);

} // namespace r5
