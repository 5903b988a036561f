#include "link/port_table.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

namespace r5 {
namespace {

// ttyS2 before ttyS10: names compare by their text, then by their trailing number.
bool naturalLess(const QString& a, const QString& b)
{
    static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d+)$"));
    const auto ma = trailing.match(a);
    const auto mb = trailing.match(b);
    if (ma.hasMatch() && mb.hasMatch() && ma.captured(1) == mb.captured(1))
        return ma.captured(2).toLongLong() < mb.captured(2).toLongLong();
    return a < b;
}

bool isUsbName(const QString& device)
{
    return device.contains(QLatin1String("ttyUSB")) || device.contains(QLatin1String("ttyACM"));
}

} // namespace

PortTable PortTable::fromPorts(const QList<SystemPort>& ports)
{
    QList<SystemPort> builtIn, usb, named;
    for (const SystemPort& p : ports) {
        if (p.named) {
            // A device named twice, or named and also reported, counts once as named.
            if (std::none_of(named.begin(), named.end(), [&](const SystemPort& n) { return n.device == p.device; }))
                named.append(p);
        } else if (p.usb) {
            usb.append(p);
        } else {
            builtIn.append(p);
        }
    }
    auto notNamed = [&](const SystemPort& p) {
        return std::none_of(named.begin(), named.end(), [&](const SystemPort& n) { return n.device == p.device; });
    };
    auto byName = [](const SystemPort& a, const SystemPort& b) { return naturalLess(a.device, b.device); };
    std::sort(builtIn.begin(), builtIn.end(), byName);
    std::sort(usb.begin(), usb.end(), byName);

    QList<SystemPort> ordered;
    for (const SystemPort& p : builtIn)
        if (notNamed(p))
            ordered.append(p);
    for (const SystemPort& p : usb)
        if (notNamed(p))
            ordered.append(p);
    // Too many: the first ones (built-in before USB) give way, so the named
    // devices and the adapters keep their numbers at the top.
    const qsizetype room = std::max<qsizetype>(0, kLast - std::min<qsizetype>(named.size(), kLast));
    if (ordered.size() > room)
        ordered = ordered.mid(ordered.size() - room);
    ordered.append(named.mid(0, kLast));

    PortTable table;
    for (qsizetype i = 0; i < ordered.size() && i < kLast; ++i)
        table.ports_[static_cast<size_t>(i)] = ordered[i];
    return table;
}

PortTable PortTable::fromSystem(const QStringList& namedDevices)
{
    QList<SystemPort> ports;
#ifdef Q_OS_WIN
    // COM1 to COM8 are the ports themselves; the system adds what it knows of them.
    const auto infos = QSerialPortInfo::availablePorts();
    PortTable table;
    for (int n = kFirst; n <= kLast; ++n) {
        SystemPort p;
        p.device = comName(n);
        for (const QSerialPortInfo& info : infos)
            if (info.portName().compare(p.device, Qt::CaseInsensitive) == 0) {
                p.description = info.description();
                p.serialNumber = info.serialNumber();
            }
        table.ports_[static_cast<size_t>(n - 1)] = p;
    }
    Q_UNUSED(namedDevices);
    Q_UNUSED(ports);
    return table;
#else
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SystemPort p;
        p.device = info.systemLocation();
        p.description = info.description();
        p.serialNumber = info.serialNumber();
        p.usb = isUsbName(p.device) || info.hasVendorIdentifier();
        ports.append(p);
    }
    for (const QString& device : namedDevices) {
        SystemPort p;
        p.device = device;
        p.named = true;
        ports.append(p);
    }
    return fromPorts(ports);
#endif
}

QString PortTable::device(int comPort) const
{
    if (comPort < kFirst || comPort > kLast)
        return {};
    const auto& p = ports_[static_cast<size_t>(comPort - 1)];
    return p ? p->device : QString();
}

const SystemPort* PortTable::port(int comPort) const
{
    return exists(comPort) ? &*ports_[static_cast<size_t>(comPort - 1)] : nullptr;
}

QString PortTable::description(int comPort) const
{
    if (!exists(comPort))
        return {};
    const SystemPort& p = *ports_[static_cast<size_t>(comPort - 1)];
    QStringList parts{p.device};
    if (!p.description.isEmpty())
        parts << p.description;
    if (!p.serialNumber.isEmpty())
        parts << QStringLiteral("S/N ") + p.serialNumber;
    if (p.named)
        parts << QStringLiteral("--port");
    return parts.join(QStringLiteral(" · "));
}

int PortTable::comPortOf(const QString& device) const
{
    for (int n = kFirst; n <= kLast; ++n)
        if (!device.isEmpty() && this->device(n) == device)
            return n;
    return 0;
}

QString PortTable::comName(int comPort)
{
    return QStringLiteral("COM") + QString::number(comPort);
}

PortArgument parsePortArgument(const QString& value)
{
    PortArgument result;
    const QString v = value.trimmed();
    static const QRegularExpression number(QStringLiteral("^(?:COM)?(\\d+)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = number.match(v);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= PortTable::kFirst && n <= PortTable::kLast)
            result.comPort = n;
        else
            result.error = QStringLiteral("port number must be 1 to 8 (COM1 to COM8): ") + value;
        return result;
    }
    if (v.isEmpty())
        result.error = QStringLiteral("empty port name");
    else if (!v.startsWith('/') && QFileInfo::exists(v))
        // A path relative to the working directory; a bare name such as
        // ttyUSB0 the serial port finds in /dev itself.
        result.device = QFileInfo(v).absoluteFilePath();
    else
        result.device = v;
    return result;
}

} // namespace r5
