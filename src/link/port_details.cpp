#include "link/port_details.h"

#include "model/text.h"

#include <QStringList>

namespace r5 {
namespace {

constexpr Text kDevice{"设备", "Device"};
constexpr Text kStableName{"固定名称", "Stable name"};
constexpr Text kAdapter{"适配器", "Adapter"};
constexpr Text kUsbIds{"VID:PID", "VID:PID"};
constexpr Text kSerialNumber{"序列号", "Serial number"};
constexpr Text kMayOpen{"本用户可打开", "This user may open it"};
constexpr Text kNamed{"（由 --port 指定）", " (named with --port)"};

constexpr Text kYes{"可以", "yes"};
constexpr Text kNoGroup{"不可以（用户组 %1）", "no (group %1)"};
constexpr Text kNo{"不可以", "no"};
constexpr Text kGone{"设备已消失", "gone"};
constexpr Text kNoPort{"无此端口", "no such port"};

// %1 the port's number, %2 its device where the text names one.
constexpr Text kNoSuchPort{"%1：系统中没有这个端口。", "%1: there is no such port on this system."};
constexpr Text kWorks{"%1（%2）可以正常打开和关闭。", "%1 (%2) opens and closes normally."};
// %1 device, %2 group, %3 what holds it, %4 process number, %5 the system's reason.
constexpr Text kIsGone{"%1 已不存在：适配器被拔出或设备已被移除。请重新插好数据线，再试一次。",
                       "%1 is gone: the adapter was unplugged or the device removed. Plug the cable in again and "
                       "try again."};
constexpr Text kJoinGroup{"%1 属于用户组 “%2”，当前用户不在其中：请把用户加入该组（sudo usermod -aG %2 $USER），"
                          "然后注销并重新登录。",
                          "%1 belongs to the group \"%2\" and your user is not in it: add your user to that group "
                          "(sudo usermod -aG %2 $USER), then log out and in again."};
constexpr Text kLogInAgain{"%1 属于用户组 “%2”：当前用户已加入该组，但本次登录早于加入。请注销并重新登录。",
                           "%1 belongs to the group \"%2\": your user was added to it after this login began. "
                           "Log out and in again."};
constexpr Text kOwnerOnly{"%1 只有其所有者 “%2” 可以使用。", "%1 may be used by its owner \"%2\" only."};
constexpr Text kNoAccess{"当前用户无权使用 %1。", "Your user may not use %1."};
constexpr Text kHeldBy{"%1 正被占用：%3 打开了它。请关闭该程序，再试一次。",
                       "%1 is busy: %3 has it open. Close that program and try again."};
constexpr Text kProcess{"进程 %4（%3）", "process %4 (%3)"};
constexpr Text kLockedBy{"%1 正被占用：锁文件 %3 属于仍在运行的进程 %4。",
                         "%1 is busy: the lock file %3 belongs to process %4, which still runs."};
constexpr Text kStaleLock{"%1 留有锁文件 %3，其进程 %4 已不在运行：请删除该文件，再试一次。",
                          "%1 has a lock file %3 from process %4, which no longer runs: delete that file and try "
                          "again."};
constexpr Text kLocked{"%1 被锁文件 %3 锁定。", "%1 is locked by the lock file %3."};
constexpr Text kCannotOpen{"%1 无法打开：%5", "%1 cannot be opened: %5"};

QString say(const Text& text, Language language, const QString& device, const QString& group = {},
            const QString& what = {}, qint64 pid = 0, const QString& reason = {})
{
    // Each placeholder is replaced on its own, so a device or reason holding
    // "%2" stays as it is.
    QString out = text.in(language);
    const QString values[] = {device, group, what, QString::number(pid), reason};
    QString result;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] == '%' && i + 1 < out.size() && out[i + 1] >= '1' && out[i + 1] <= '5') {
            result += values[out[i + 1].unicode() - '1'];
            ++i;
        } else {
            result += out[i];
        }
    }
    return result;
}

QString orDash(const QString& value)
{
    return value.isEmpty() ? QStringLiteral("—") : value;
}

} // namespace

PortDetails portDetails(const PortTable& table, int comPort, const PortFacts& facts)
{
    PortDetails d;
    d.comPort = comPort;
    const SystemPort* port = table.port(comPort);
    if (!port)
        return d;
    d.device = port->device;
    d.description = port->description;
    d.serialNumber = port->serialNumber;
    d.named = port->named;
    // The device may be named by a link (a stable name given with --port);
    // the adapter is known by what the link leads to.
    const QString target = facts.resolved(d.device);
    if (target != d.device)
        d.leadsTo = target;
    d.usbIds = facts.usbIds(target);
    for (const auto& [name, leadsTo] : facts.stableNames())
        if (leadsTo == target) {
            d.stableName = name;
            break;
        }
    const DeviceFile file = facts.deviceFile(d.device);
    // A group is worth naming only where joining it would help.
    d.group = file.groupMayOpen ? file.group : QString();
    d.access = !file.exists ? PortAccess::Gone : file.mayOpen ? PortAccess::Open : PortAccess::NoPermission;
    return d;
}

QString accessText(const PortDetails& d, Language language)
{
    switch (d.access) {
    case PortAccess::Open:
        return kYes.in(language);
    case PortAccess::NoPermission:
        return d.group.isEmpty() ? kNo.in(language) : say(kNoGroup, language, d.group);
    case PortAccess::Gone:
        return kGone.in(language);
    case PortAccess::NoPort:
        break;
    }
    return kNoPort.in(language);
}

QString detailsText(const PortDetails& d, Language language)
{
    const QString colon = language == Language::Chinese ? QStringLiteral("：") : QStringLiteral(": ");
    QString device = d.device;
    if (!d.leadsTo.isEmpty())
        device += QStringLiteral(" → ") + d.leadsTo;
    if (d.named)
        device += kNamed.in(language);
    const QPair<Text, QString> lines[] = {
        {kDevice, device},        {kStableName, d.stableName},     {kAdapter, d.description},
        {kUsbIds, d.usbIds},      {kSerialNumber, d.serialNumber}, {kMayOpen, accessText(d, language)},
    };
    QStringList out;
    for (const auto& [caption, value] : lines)
        out << caption.in(language) + colon + orDash(value);
    return out.join('\n');
}

QString diagnoseFailedOpen(const QString& device, const QString& reason, const PortFacts& facts, Language language)
{
    const DeviceFile file = facts.deviceFile(device);
    if (!file.exists)
        return say(kIsGone, language, device);
    if (!file.mayOpen) {
        // Joining the group helps only where the group may use the device.
        if (file.group.isEmpty() || !file.groupMayOpen)
            return file.owner.isEmpty() ? say(kNoAccess, language, device) : say(kOwnerOnly, language, device, file.owner);
        // Joining a group takes effect only with a new login.
        return say(file.groupListed && !file.groupInSession ? kLogInAgain : kJoinGroup, language, device, file.group);
    }
    // The user may open it, so something else has it: a process the system
    // shows, or a lock file a program left.
    const QList<PortHolder> holders = facts.holders(device);
    if (!holders.isEmpty()) {
        QStringList names;
        for (const PortHolder& h : holders)
            names << say(kProcess, language, {}, {}, h.command, h.pid);
        return say(kHeldBy, language, device, {}, names.join(language == Language::Chinese ? QStringLiteral("、") : QStringLiteral(", ")));
    }
    const QList<PortLock> locks = facts.locks(device);
    for (const PortLock& lock : locks)
        if (lock.pid > 0 && lock.alive)
            return say(kLockedBy, language, device, {}, lock.path, lock.pid);
    for (const PortLock& lock : locks)
        return say(lock.pid > 0 ? kStaleLock : kLocked, language, device, {}, lock.path, lock.pid);
    return say(kCannotOpen, language, device, {}, {}, 0, reason);
}

PortTest testPort(const PortTable& table, int comPort, SerialPortFactory& factory, const PortFacts& facts,
                  Language language)
{
    const QString name = PortTable::comName(comPort);
    const QString device = table.device(comPort);
    if (device.isEmpty())
        return {false, say(kNoSuchPort, language, name)};
    const auto port = factory.create();
    if (port->open(device)) {
        port->close();
        return {true, say(kWorks, language, name, device)};
    }
    const QString colon = language == Language::Chinese ? QStringLiteral("：") : QStringLiteral(": ");
    return {false, name + colon + diagnoseFailedOpen(device, port->errorString(), facts, language)};
}

} // namespace r5
