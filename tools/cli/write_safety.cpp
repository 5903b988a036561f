#include "write_safety.h"

#include "cli_command.h"

#include "files/channel_file.h"
#include "link/protocol.h"
#include "link/link_outcome.h"
#include "link/read_exchange.h"
#include "model/image_diff.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace r5::cli {
namespace {

constexpr Language kEnglish = Language::English;

void printProgress(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }

// A path or port as a shell takes it back when the user pastes the command.
QString shellQuoted(const QString& text)
{
    static const QRegularExpression plain("^[A-Za-z0-9_./:=+-]+$");
    if (plain.match(text).hasMatch())
        return text;
    return "'" + QString(text).replace("'", "'\\''") + "'";
}

} // namespace

void WriteSafety::addOptions(QCommandLineParser& parser)
{
    parser.addOption({"backup", "Read the radio first and keep its memory as a channel file in DIR.", "DIR"});
    parser.addOption({"verify", "Read the radio back after the write and compare rows 0 to 48."});
}

WriteSafety::WriteSafety(const QCommandLineParser& parser, const AppState& state, const PortTable& ports,
                         SerialPortFactory& portFactory, LinkTimerFactory& timerFactory)
    : state_(state), ports_(ports), portFactory_(portFactory), timerFactory_(timerFactory),
      portArgument_(parser.value("port")), backupDir_(parser.value("backup")), verify_(parser.isSet("verify"))
{
}

std::optional<QString> WriteSafety::readRadio(AppState& into, const QString& purpose)
{
    into = state_;
    ReadExchange read(into, ports_, portFactory_, timerFactory_);
    QEventLoop loop;
    std::optional<QString> error;
    QObject::connect(&read, &LinkExchange::statusChanged, [&](const QString& text) { printProgress(purpose + ": " + text.trimmed()); });
    QObject::connect(&read, &LinkExchange::finished, [&](const LinkOutcome& outcome) {
        if (!outcome.completed())
            error = linkOutcomeText(outcome, Language::English);
        loop.quit();
    });
    read.start();
    if (!error && read.busy())
        loop.exec();
    return error;
}

std::optional<int> WriteSafety::beforeWrite()
{
    if (backupDir_.isEmpty())
        return std::nullopt;
    if (!QDir().mkpath(backupDir_))
        return fail("cannot create the backup folder \"" + backupDir_ + "\"; nothing was sent to the radio");
    AppState radio;
    if (const auto error = readRadio(radio, "backup"))
        return fail("the backup read failed (" + *error + "); nothing was sent to the radio");
    const QString path = QFileInfo(backupFilePath(backupDir_)).absoluteFilePath();
    if (const auto error = saveChannelFile(radio.image, path))
        return fail(error->message(kEnglish) + "; nothing was sent to the radio");
    backupPath_ = path;
    printProgress("Backup of the radio's memory: " + path);
    return std::nullopt;
}

int WriteSafety::afterWrite(int writeExitCode, const RadioImage& written)
{
    if (writeExitCode != kExitOk)
        return restoreHint(writeExitCode);
    if (!verify_)
        return kExitOk;
    AppState radio;
    if (const auto error = readRadio(radio, "verify"))
        return restoreHint(fail("the verify read failed (" + *error + ")"));
    const auto mismatch = firstMismatch(written, radio.image, protocol::kMemoryWriteLastRow, kEnglish);
    if (!mismatch) {
        printProgress(QString("Verified: rows 0 to %1 read back as written.").arg(protocol::kMemoryWriteLastRow));
        return kExitOk;
    }
    const QString field = mismatch->field.isEmpty() ? QString() : " (" + mismatch->field + ")";
    return restoreHint(fail(QString("verify failed: address 0x%1 holds 0x%2, 0x%3 was written%4")
                                .arg(mismatch->address, 3, 16, QChar('0'))
                                .arg(mismatch->readBack, 2, 16, QChar('0'))
                                .arg(mismatch->written, 2, 16, QChar('0'))
                                .arg(field)));
}

int WriteSafety::restoreHint(int exitCode) const
{
    if (!backupPath_.isEmpty())
        fail("the radio's memory before the write is in " + backupPath_ + "; restore it with:\n  r5prog-cli write --port "
             + shellQuoted(portArgument_) + " --input " + shellQuoted(backupPath_));
    return exitCode;
}

} // namespace r5::cli
