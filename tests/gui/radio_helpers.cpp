#include "gui/radio_helpers.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace r5::test {

SimRadio::SimRadio(const QString& folder, const QByteArray& memory, const QStringList& options)
    : link_(folder + "/radio"), dump_(folder + "/dump.bin")
{
    QFile raw(folder + "/radio.bin");
    if (raw.open(QIODevice::WriteOnly))
        raw.write(memory);
    raw.close();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(qEnvironmentVariable("R5SIM"),
                   QStringList{"--link", link_, "--raw", raw.fileName(), "--dump", dump_, "--fast"} + options);
}

bool SimRadio::waitUntilUp()
{
    if (!process_.waitForStarted(5000))
        return false;
    for (int i = 0; i < 200 && !QFileInfo(link_).isSymLink(); ++i)
        QTest::qWait(25);
    return QFileInfo(link_).isSymLink();
}

QByteArray SimRadio::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    QFile dump(dump_);
    return dump.open(QIODevice::ReadOnly) ? dump.readAll() : QByteArray();
}

} // namespace r5::test
