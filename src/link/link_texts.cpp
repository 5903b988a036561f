#include "link/link_texts.h"

#include "link/port_details.h"
#include "link/port_table.h"

namespace r5::linktext {
namespace {

constexpr Text NoSuchPort{"系统中没有这个端口", "there is no such port on this system"};

} // namespace

QString portOpenMessage(const Text& firstLine, int comPort, const QString& device,
                        const QString& reason, bool permissionDenied, bool chinese)
{
    const QString colon = chinese ? QStringLiteral("：") : QStringLiteral(": ");
    QString message = firstLine.in(chinese) + '\n';
    if (device.isEmpty())
        return message + PortTable::comName(comPort) + colon + NoSuchPort.in(chinese);
    message += PortTable::comName(comPort) + " (" + device + ")" + colon + reason;
    if (permissionDenied) {
        // The system says "permission denied" both for a device this user may
        // not use and for one another program holds: the facts tell which.
        message += '\n' + diagnoseFailedOpen(device, reason, *systemPortFacts(), chinese);
    }
    return message;
}

QString numbered(const Text& before, int number, const Text& after, bool chinese)
{
    return before.in(chinese) + QString::number(number) + after.in(chinese);
}

} // namespace r5::linktext
