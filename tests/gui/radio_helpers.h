#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTest>

namespace r5::test {

// The virtual radio r5sim ($R5SIM) on a pseudo-terminal in `folder`, started
// with `memory` (1024 bytes) and `options` ("--fast" answers at once instead of
// at 9600-baud pace). It writes its memory to a dump when stopped.
class SimRadio {
public:
    SimRadio(const QString& folder, const QByteArray& memory, const QStringList& options = {}) : folder_(folder)
    {
        QFile raw(folder + "/radio.bin");
        if (raw.open(QIODevice::WriteOnly))
            raw.write(memory);
        raw.close();
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(qEnvironmentVariable("R5SIM"), QStringList{"--link", link(), "--raw", raw.fileName(), "--dump",
                                                                  folder + "/dump.bin"} + options);
    }
    ~SimRadio() { stop(); }

    // True once the radio's device is there to be opened.
    bool up()
    {
        return process_.waitForStarted(5000) && QTest::qWaitFor([this] { return QFileInfo(link()).isSymLink(); }, 5000);
    }
    // Stops the radio and returns the memory it held.
    QByteArray stop()
    {
        process_.terminate();
        process_.waitForFinished(5000);
        QFile dump(folder_ + "/dump.bin");
        return dump.open(QIODevice::ReadOnly) ? dump.readAll() : QByteArray();
    }
    QString link() const { return folder_ + "/radio"; }

private:
    QString folder_;
    QProcess process_;
};

} // namespace r5::test
