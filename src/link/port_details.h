#pragma once

#include "model/text.h"
#include "link/port_table.h"
#include "link/serial_port.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace r5 {

// The device file of a port as this user sees it.
struct DeviceFile {
    bool exists = false;
    bool mayOpen = false;          // this user may read and write it
    QString owner;                 // the user that owns it
    QString group;                 // the group that owns it
    bool groupMayOpen = false;     // members of that group may read and write it
    bool groupInSession = false;   // this login already carries that group
    bool groupListed = false;      // the group database lists the user (perhaps only since this login)
};

// A process that has the device open.
struct PortHolder {
    qint64 pid = 0;
    QString command;
};

// A lock file a program left for the device.
struct PortLock {
    QString path;
    qint64 pid = 0;       // 0 when the file names none
    bool alive = false;   // that process still runs
};

// What the system tells of a device beyond the port list. The program asks
// the system itself; tests give fixed answers.
class PortFacts {
public:
    virtual ~PortFacts() = default;
    // The adapter's USB vendor and product as "0403:6001"; empty when it has none.
    virtual QString usbIds(const QString& device) const = 0;
    // The device a path finally leads to; the path itself when it leads nowhere.
    virtual QString resolved(const QString& path) const = 0;
    // Every stable name under /dev/serial/by-id, each with the device it leads to.
    virtual QList<QPair<QString, QString>> stableNames() const = 0;
    virtual DeviceFile deviceFile(const QString& device) const = 0;
    // The processes that have the device open, as far as the system lets this user see.
    virtual QList<PortHolder> holders(const QString& device) const = 0;
    virtual QList<PortLock> locks(const QString& device) const = 0;
};

// The facts of this machine.
std::unique_ptr<PortFacts> systemPortFacts();

enum class PortAccess { Open, NoPermission, Gone, NoPort };

// One line of the port doctor's table.
struct PortDetails {
    int comPort = 0;
    QString device;
    QString leadsTo;        // the device a link named as the port leads to; empty for no link
    QString stableName;     // the /dev/serial/by-id name, empty when there is none
    QString description;
    QString usbIds;
    QString serialNumber;
    bool named = false;     // named with --port
    PortAccess access = PortAccess::NoPort;
    QString group;          // the group whose members may open it
};

PortDetails portDetails(const PortTable& table, int comPort, const PortFacts& facts);
// "yes", "no (group dialout)", "gone", "no such port" in the chosen language.
QString accessText(const PortDetails& details, Language language);
// Every field with its caption, one per line, for the port window and tool tips.
QString detailsText(const PortDetails& details, Language language);

// Opens and closes the port, then says in plain words whether it works and, if
// not, why: no such port, gone, the group to join, or who holds it.
struct PortTest {
    bool works = false;
    QString text;
};
PortTest testPort(const PortTable& table, int comPort, SerialPortFactory& factory, const PortFacts& facts,
                  Language language);
// The words for an open that failed with the system's `reason`.
QString diagnoseFailedOpen(const QString& device, const QString& reason, const PortFacts& facts, Language language);

} // namespace r5
