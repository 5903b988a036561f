#include "gui/radio_helpers.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace r5::test {

SimRadio::SimRadio(const QString& folder, const QByteArray& memory, const QStringList& options) : folder_(folder)
{
    QFile raw(folder + "/radio.bin");
    if (raw.open(QIODevice::WriteOnly))
        raw.write(memory);
    raw.close();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(qEnvironmentVariable("R5SIM"), QStringList{"--link", link(), "--raw", raw.fileName(), "--dump",
                                                              folder + "/dump.bin"} + options);
}

bool SimRadio::up()
{
    return process_.waitForStarted(5000) && QTest::qWaitFor([this] { return QFileInfo(link()).isSymLink(); }, 5000);
}

QByteArray SimRadio::stop()
{
    process_.terminate();
    process_.waitForFinished(5000);
    QFile dump(folder_ + "/dump.bin");
    return dump.open(QIODevice::ReadOnly) ? dump.readAll() : QByteArray();
}

} // namespace r5::test
