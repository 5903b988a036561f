#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace r5::test {

// The virtual radio r5sim ($R5SIM) on a pseudo-terminal in `folder`, started
// with `memory` (1024 bytes) and `options` ("--fast" answers at once instead of
// at 9600-baud pace). It writes its memory to a dump when stopped.
class SimRadio {
public:
    SimRadio(const QString& folder, const QByteArray& memory, const QStringList& options = {});
    ~SimRadio() { stop(); }
    // True once the radio's device is there to be opened.
    bool up();
    // Stops the radio and returns the memory it held.
    QByteArray stop();
    QString link() const { return folder_ + "/radio"; }

private:
    QString folder_;
    QProcess process_;
};

} // namespace r5::test
