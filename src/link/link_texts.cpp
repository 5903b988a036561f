#include "link/link_texts.h"

#include "link/port_details.h"
#include "link/port_table.h"

namespace r5::linktext {
namespace {

constexpr Text kNoSuchPort{"系统中没有这个端口", "there is no such port on this system"};

} // namespace

QString portOpenMessage(const Text& firstLine, int comPort, const QString& device,
                        const QString& reason, bool permissionDenied, Language language)
{
    const QString colon = language == Language::Chinese ? QStringLiteral("：") : QStringLiteral(": ");
    QString message = firstLine.in(language) + '\n';
    if (device.isEmpty())
        return message + PortTable::comName(comPort) + colon + kNoSuchPort.in(language);
    message += PortTable::comName(comPort) + " (" + device + ")" + colon + reason;
    if (permissionDenied) {
        // The system says "permission denied" both for a device this user may
        // not use and for one another program holds: the facts tell which.
        message += '\n' + diagnoseFailedOpen(device, reason, *systemPortFacts(), language);
    }
    return message;
}

QString numbered(const Text& before, int number, const Text& after, Language language)
{
    return before.in(language) + QString::number(number) + after.in(language);
}

} // namespace r5::linktext
