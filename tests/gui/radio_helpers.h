#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace r5::test {

// The virtual radio r5sim (named by $R5SIM) on a pseudo-terminal for one test,
// answering at once. It starts with `memory` (1024 bytes) and `options`, and
// writes its memory to a dump file after each stored write and when stopped.
class SimRadio {
public:
    SimRadio(const QString& folder, const QByteArray& memory, const QStringList& options = {});
    ~SimRadio() { stop(); }

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
