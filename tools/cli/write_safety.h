#pragma once

#include "model/text.h"
#include "link/port_table.h"
#include "model/app_state.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace r5 {
class SerialPortFactory;
class LinkTimerFactory;
}

namespace r5::cli {

// What `write --backup DIR --verify` adds around the write, as exchanges of
// their own: before it, a read of what the radio holds, kept as a timestamped
// channel file (a failed read stops the write: nothing is sent); after it, a
// read that checks rows 0 to 48 came back as written. A write or verify that
// fails names the backup and the command that restores it.
class WriteSafety {
public:
    static void addOptions(QCommandLineParser& parser);

    WriteSafety(const QCommandLineParser& parser, const AppState& state, const PortTable& ports,
                SerialPortFactory& portFactory, LinkTimerFactory& timerFactory);

    // The exit code when the write must not start.
    std::optional<int> beforeWrite();
    // The command's exit code, given the write's and the image written.
    int afterWrite(int writeExitCode, const RadioImage& written);

private:
    std::optional<QString> readRadio(AppState& into, const QString& purpose);
    int restoreHint(int exitCode) const;

    const AppState& state_;
    const PortTable& ports_;
    SerialPortFactory& portFactory_;
    LinkTimerFactory& timerFactory_;
    QString portArgument_;
    QString backupDir_;
    bool verify_ = false;
    QString backupPath_;
};

} // namespace r5::cli
