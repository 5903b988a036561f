#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace r5::test {

// A virtual radio (r5sim, named by $R5SIM) on a pseudo-terminal for one test,
// starting from `memory`; it dumps its memory when stopped.
class VirtualRadioProcess {
public:
    VirtualRadioProcess(const QString& folder, const QByteArray& memory, bool fast);
    ~VirtualRadioProcess() { stop(); }

    bool waitUntilUp();
    // Stops the radio and returns the memory it held.
    QByteArray stop();
    QString link() const { return link_; }

private:
    QString link_;
    QString dump_;
    QProcess process_;
};

} // namespace r5::test
