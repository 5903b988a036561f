#include "link/port_details.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>
#endif

namespace r5 {
namespace {

// Where udev keeps a name per adapter that survives replugging.
const char* const kStableNameDir = "/dev/serial/by-id";
// Where serial programs put their "LCK..ttyUSB0" files (the serial port
// library falls back to /tmp where the others are closed to the user);
// /var/lock is often a link to /run/lock, so each file is looked at once.
const char* const kLockDirs[] = {"/var/lock", "/run/lock", "/tmp"};
const char* const kLockPrefix = "LCK..";
// A lock file names its process as text (a number and a line end), or in old
// programs as a four-byte binary number; more is not read.
constexpr qint64 kLockReadLimit = 128;

#ifdef Q_OS_UNIX
bool processRuns(qint64 pid)
{
    // EPERM: it runs, under another user.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

qint64 lockPid(const QByteArray& content)
{
    bool ok = false;
    const qint64 pid = content.split('\n').value(0).trimmed().toLongLong(&ok);
    if (ok)
        return pid;
    if (content.size() == 4) {
        qint32 binary = 0;
        std::memcpy(&binary, content.constData(), 4);
        return binary;
    }
    return 0;
}

bool inSession(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<size_t>(i)] == gid)
            return true;
    return false;
}

bool listedIn(const struct group& g)
{
    const struct passwd* user = ::getpwuid(::getuid());
    if (!user)
        return false;
    if (user->pw_gid == g.gr_gid)
        return true;
    for (char** member = g.gr_mem; member && *member; ++member)
        if (std::strcmp(*member, user->pw_name) == 0)
            return true;
    return false;
}
#endif

class SystemPortFacts : public PortFacts {
public:
    QString usbIds(const QString& device) const override
    {
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            if (info.systemLocation() == device && info.hasVendorIdentifier() && info.hasProductIdentifier())
                return QStringLiteral("%1:%2")
                    .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                    .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        return {};
    }

    QString resolved(const QString& path) const override
    {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? path : canonical;
    }

    QList<QPair<QString, QString>> stableNames() const override
    {
        QList<QPair<QString, QString>> names;
        const QDir dir(QString::fromLatin1(kStableNameDir));
        for (const QFileInfo& link : dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
            names.append({link.filePath(), resolved(link.filePath())});
        return names;
    }

    DeviceFile deviceFile(const QString& device) const override
    {
        DeviceFile file;
        const QFileInfo info(device);
        file.exists = info.exists();
        if (!file.exists)
            return file;
        file.owner = info.owner();
        file.group = info.group();
        file.groupMayOpen = info.permission(QFile::ReadGroup | QFile::WriteGroup);
#ifdef Q_OS_UNIX
        const QByteArray path = QFile::encodeName(device);
        file.mayOpen = ::access(path.constData(), R_OK | W_OK) == 0;
        const QByteArray groupName = file.group.toLocal8Bit();
        if (const struct group* g = groupName.isEmpty() ? nullptr : ::getgrnam(groupName.constData())) {
            file.groupInSession = inSession(g->gr_gid);
            file.groupListed = listedIn(*g);
        }
#else
        file.mayOpen = true;
#endif
        return file;
    }

    QList<PortHolder> holders(const QString& device) const override
    {
        QList<PortHolder> found;
#ifdef Q_OS_LINUX
        // Compared by the file itself rather than its path, so a device
        // opened through a link or another name is found too.
        struct stat wanted {};
        if (::stat(QFile::encodeName(device).constData(), &wanted) != 0)
            return found;
        const QDir proc(QStringLiteral("/proc"));
        for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool isPid = false;
            const qint64 pid = entry.toLongLong(&isPid);
            if (!isPid)
                continue;
            // Other users' processes do not show their open files; they stay unnamed.
            const QDir fds(proc.filePath(entry + QStringLiteral("/fd")));
            for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
                struct stat opened {};
                if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &opened) != 0
                    || opened.st_dev != wanted.st_dev || opened.st_ino != wanted.st_ino)
                    continue;
                QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
                QString command;
                if (comm.open(QIODevice::ReadOnly))
                    command = QString::fromLocal8Bit(comm.readAll()).trimmed();
                found.append({pid, command});
                break;
            }
        }
#else
        Q_UNUSED(device);
#endif
        return found;
    }

    QList<PortLock> locks(const QString& device) const override
    {
        QList<PortLock> found;
#ifdef Q_OS_UNIX
        QStringList seen;
        // Programs name the lock after the device the link leads to, its
        // path below /dev with "_" for "/": LCK..ttyUSB0, LCK..pts_3.
        QString base = resolved(device);
        if (base.startsWith(QLatin1String("/dev/")))
            base = base.mid(5);
        base.replace(QLatin1Char('/'), QLatin1Char('_'));
        for (const char* dir : kLockDirs) {
            const QString path = QDir(QString::fromLatin1(dir)).filePath(QString::fromLatin1(kLockPrefix) + base);
            const QString real = resolved(path);
            if (!QFileInfo::exists(path) || seen.contains(real))
                continue;
            seen << real;
            QFile file(path);
            const QByteArray content = file.open(QIODevice::ReadOnly) ? file.read(kLockReadLimit) : QByteArray();
            const qint64 pid = lockPid(content);
            found.append({path, pid, processRuns(pid)});
        }
#else
        Q_UNUSED(device);
#endif
        return found;
    }
};

} // namespace

std::unique_ptr<PortFacts> systemPortFacts()
{
    return std::make_unique<SystemPortFacts>();
}

} // namespace r5
