#include "link/link_texts.h"

#include "link/port_table.h"

#include <QFileInfo>

namespace r5::linktext {
namespace {

constexpr Text kNoSuchPort{"系统中没有这个端口", "there is no such port on this system"};
// %1 device, %2 group.
constexpr Text kJoinGroup{"%1 属于用户组 “%2”：请把当前用户加入该组，然后注销并重新登录。",
                         "%1 belongs to the group \"%2\": add your user to that group, then log out and in again."};
constexpr Text kNoAccess{"当前用户无权使用 %1。", "Your user may not use %1."};

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
        // The serial devices of most systems belong to a group (dialout, uucp);
        // membership only takes effect with a new login.
        const QFileInfo info(QFileInfo(device).canonicalFilePath().isEmpty()
                                 ? device : QFileInfo(device).canonicalFilePath());
        const QString group = info.group();
        message += '\n';
        message += group.isEmpty() ? kNoAccess.in(language).arg(device)
                                   : kJoinGroup.in(language).arg(info.filePath(), group);
    }
    return message;
}

QString numbered(const Text& before, int number, const Text& after, Language language)
{
    return before.in(language) + QString::number(number) + after.in(language);
}

} // namespace r5::linktext
