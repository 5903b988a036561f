// Commands that talk to a radio over a serial port. They run the same
// exchanges as the windows and print the same (English) texts: progress on
// stderr, the outcome as the last line.
#include "cli_command.h"
#include "cli_options.h"
#include "write_safety.h"

#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "files/number_file.h"
#include "link/adjust_exchange.h"
#include "link/link_timer.h"
#include "link/password_exchange.h"
#include "link/port_table.h"
#include "link/protocol.h"
#include "link/qt_serial_port.h"
#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "model/app_state.h"
#include "model/char_codec.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <list>
#include <optional>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <unistd.h>
#endif

namespace r5::cli {
namespace {

constexpr Language kEnglish = Language::English;

void printProgress(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

// How long the event loop went without turning during a transfer: a timer
// that should tick every few milliseconds records its longest late arrival.
class LoopWatch {
public:
    LoopWatch()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            worst_ = std::max(worst_, now - last_ - kIntervalMs * 1000000LL);
            last_ = now;
        });
    }
    void start()
    {
        clock_.start();
        last_ = 0;
        timer_.start(kIntervalMs);
    }
    void stop() { timer_.stop(); }
    double worstMs() const { return static_cast<double>(std::max<qint64>(worst_, 0)) / 1e6; }

private:
    static constexpr int kIntervalMs = 2;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 worst_ = 0;
};

#ifdef Q_OS_UNIX
// Ctrl+C ends a transfer cleanly: the radio leaves programming mode where the
// exchange can tell it to, the port closes, no output file is written, and the
// outcome says what reached the radio.
int signalPipe[2] = {-1, -1};
extern "C" void onInterrupt(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}
#endif

// Everything a link command needs: the state, the ports and the Qt bindings.
struct Link {
    AppState state;
    PortTable ports;
    QtSerialPortFactory portFactory;
    QtLinkTimerFactory timerFactory;
};

// Sets up the port from --port: a device path, COM1 to COM8 or 1 to 8.
std::optional<QString> choosePort(Link& link, const QString& value)
{
    const PortArgument port = parsePortArgument(value);
    if (!port.ok())
        return port.error;
    link.state.language = Language::English;
    if (port.comPort > 0) {
        link.ports = PortTable::fromSystem();
        link.state.comPort = port.comPort;
    } else {
        link.ports = PortTable::fromSystem({port.device});
        link.state.comPort = link.ports.comPortOf(port.device);
    }
    return std::nullopt;
}

// The files a command writes. Each is opened before the transfer starts, so a
// path that cannot be written fails before the radio is touched, and they
// replace their targets only once every one of them has been written in full.
class OutputFiles {
public:
    std::optional<FileError> add(const QString& path)
    {
        if (auto refused = refuseIfNotAFile(path))
            return refused;
        QSaveFile& file = files_.emplace_back(path);
        // Unbuffered, so a short write (disk full) shows up at the write.
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return std::nullopt;
        return error(file);
    }

    // Writes the contents in the order the files were added, then commits them.
    std::optional<FileError> write(const QList<QByteArray>& contents)
    {
        auto content = contents.begin();
        for (QSaveFile& file : files_) {
            if (file.write(*content) != content->size())
                return error(file);
            ++content;
        }
        for (QSaveFile& file : files_)
            if (!file.commit())
                return error(file);
        return std::nullopt;
    }

private:
    static FileError error(const QSaveFile& file)
    {
        FileError e;
        e.kind = FileError::Kind::CannotSave;
        e.path = file.fileName();
        e.reason = file.errorString();
        return e;
    }

    std::list<QSaveFile> files_;   // QSaveFile cannot move
};

// Runs one exchange to its outcome. `onSuccess` stores the result and returns
// the exit code.
int runExchange(LinkExchange& exchange, const std::function<void()>& start, const std::function<int()>& onSuccess,
                bool timing)
{
    QEventLoop loop;
    std::optional<int> exitCode;
    auto finish = [&](int code) {
        if (exitCode)
            return;
        exitCode = code;
        loop.quit();
    };
    int progress = 0;
    QObject::connect(&exchange, &LinkExchange::progressChanged, [&](int value) { progress = value; });
    QObject::connect(&exchange, &LinkExchange::statusChanged, [&](const QString& text) {
        printProgress(QString("[%1%] ").arg(progress, 3) + text.trimmed());
    });
    QElapsedTimer elapsed;
    QObject::connect(&exchange, &LinkExchange::finished, [&](const LinkOutcome& outcome) {
        const QString message = linkOutcomeReport(outcome, kEnglish);
        if (!outcome.completed()) {
            finish(fail(message));
            return;
        }
        const double seconds = elapsed.nsecsElapsed() / 1e9;
        printProgress(message);
        if (timing)
            printProgress(QString("transfer-seconds=%1").arg(seconds, 0, 'f', 3));
        finish(onSuccess());
    });

#ifdef Q_OS_UNIX
    std::unique_ptr<QSocketNotifier> interrupt;
    if (::pipe(signalPipe) == 0) {
        interrupt = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        QObject::connect(interrupt.get(), &QSocketNotifier::activated, [&] { exchange.interrupt(); });
        std::signal(SIGINT, onInterrupt);
        std::signal(SIGTERM, onInterrupt);
    }
#endif

    LoopWatch watch;
    if (timing)
        watch.start();
    elapsed.start();
    start();
    if (!exitCode)
        loop.exec();
    if (timing) {
        watch.stop();
        printProgress(QString("loop-stall-max-ms=%1").arg(watch.worstMs(), 0, 'f', 3));
    }
#ifdef Q_OS_UNIX
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    interrupt.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
#endif
    return *exitCode;
}

// Parses the options every link command shares plus its own; nullopt and the
// usage error in `code` when they are wrong.
struct LinkOptions {
    QCommandLineParser parser;
    Link link;
    bool timing = false;
};

std::optional<int> parseLink(LinkOptions& o, const QStringList& arguments, const QString& name,
                             const QStringList& required)
{
    o.parser.addOption({"port", "Serial port: a device, COM1 to COM8 or 1 to 8.", "DEVICE"});
    QCommandLineOption timing("timing", "Print the transfer time and the longest event-loop stall.");
    timing.setFlags(QCommandLineOption::HiddenFromHelp);
    o.parser.addOption(timing);
    const ParsedOptions parsed = parseOptions(o.parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (!o.parser.positionalArguments().isEmpty())
        return usageError(name + ": unexpected argument '" + o.parser.positionalArguments().first() + "'");
    for (const QString& option : QStringList{"port"} + required)
        if (!o.parser.isSet(option))
            return usageError(name + " needs --" + option);
    if (const auto error = choosePort(o.link, o.parser.value("port")))
        return usageError(*error);
    o.timing = o.parser.isSet("timing");
    return std::nullopt;
}

int runRead(const QStringList& arguments)
{
    LinkOptions o;
    o.parser.addOption({"output", "Channel file to write.", "FILE.chann"});
    o.parser.addOption({"raw", "Also write the 1024 bytes as read.", "FILE.bin"});
    if (const auto code = parseLink(o, arguments, "read", {"output"}))
        return *code;
    if (const auto code = refuseWrongSuffix("read", o.parser.value("output"), FileKind::Channel))
        return *code;
    OutputFiles outputs;
    for (const char* option : {"output", "raw"})
        if (o.parser.isSet(option))
            if (const auto error = outputs.add(o.parser.value(option)))
                return fail(error->message(kEnglish));
    ReadExchange read(o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    return runExchange(read, [&] { read.start(); }, [&] {
        const RadioImage& image = o.link.state.image;
        QList<QByteArray> contents{channelFileText(image)};
        if (o.parser.isSet("raw"))
            contents << image.toBytes();
        if (const auto error = outputs.write(contents))
            return fail(error->message(kEnglish));
        return int(kExitOk);
    }, o.timing);
}

int runWrite(const QStringList& arguments)
{
    LinkOptions o;
    o.parser.addOption({"input", "Channel file to write to the radio.", "FILE.chann"});
    WriteSafety::addOptions(o.parser);
    if (const auto code = parseLink(o, arguments, "write", {"input"}))
        return *code;
    if (const auto code = refuseWrongSuffix("write", o.parser.value("input"), FileKind::Channel))
        return *code;
    if (const auto error = loadChannelFile(o.link.state.image, o.parser.value("input")))
        return fail(error->message(kEnglish));
    WriteSafety safety(o.parser, o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    if (const auto code = safety.beforeWrite())
        return *code;
    WriteExchange write(o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    const int code = runExchange(write, [&] { write.start(); }, [] { return int(kExitOk); }, o.timing);
    return safety.afterWrite(code, o.link.state.image);
}

int runAdjustRead(const QStringList& arguments)
{
    LinkOptions o;
    o.parser.addOption({"output", "Adjustment file to write.", "FILE.adj"});
    if (const auto code = parseLink(o, arguments, "adjust-read", {"output"}))
        return *code;
    if (const auto code = refuseWrongSuffix("adjust-read", o.parser.value("output"), FileKind::Tuning))
        return *code;
    OutputFiles outputs;
    if (const auto error = outputs.add(o.parser.value("output")))
        return fail(error->message(kEnglish));
    AdjustExchange tuning(o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    return runExchange(tuning, [&] { tuning.startRead(); }, [&] {
        if (const auto error = outputs.write({adjustFileText(o.link.state.adjust)}))
            return fail(error->message(kEnglish));
        return int(kExitOk);
    }, o.timing);
}

int runAdjustWrite(const QStringList& arguments)
{
    LinkOptions o;
    o.parser.addOption({"input", "Adjustment file to write to the radio.", "FILE.adj"});
    if (const auto code = parseLink(o, arguments, "adjust-write", {"input"}))
        return *code;
    if (const auto code = refuseWrongSuffix("adjust-write", o.parser.value("input"), FileKind::Tuning))
        return *code;
    if (const auto error = loadAdjustFile(o.link.state.adjust, o.parser.value("input")))
        return fail(error->message(kEnglish));
    AdjustExchange tuning(o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    return runExchange(tuning, [&] { tuning.startWrite(); }, [] { return int(kExitOk); }, o.timing);
}

int runPassword(const QStringList& arguments)
{
    LinkOptions o;
    o.parser.addOption({"old", "The radio's current password (empty when none is set).", "OLD"});
    o.parser.addOption({"new", "The new password, up to six characters.", "NEW"});
    if (const auto code = parseLink(o, arguments, "password", {"new"}))
        return *code;
    for (const char* option : {"old", "new"}) {
        const QString typed = o.parser.value(option).trimmed();
        if (const auto character = firstCharWithoutByteCode(typed))
            return usageError(noByteCodeMessage(*character, kEnglish));
        if (typed.size() > protocol::kPasswordLength)
            return usageError("passwords have at most six characters");
    }
    PasswordExchange password(o.link.state, o.link.ports, o.link.portFactory, o.link.timerFactory);
    password.setOldPassword(o.parser.value("old"));
    password.setNewPassword(o.parser.value("new"));
    return runExchange(password, [&] { password.start(); }, [] { return int(kExitOk); }, o.timing);
}

} // namespace

std::vector<Command> linkCommands()
{
    return {
        {"read", "--port DEVICE --output FILE.chann [--raw FILE.bin]",
         "Read the radio's memory into a channel file.", runRead},
        {"write", "--port DEVICE --input FILE.chann [--backup DIR] [--verify]",
         "Write a channel file (rows 0 to 48) to the radio, optionally after a backup read and with a verify read.",
         runWrite},
        {"adjust-read", "--port DEVICE --output FILE.adj", "Read the radio's tuning block.", runAdjustRead},
        {"adjust-write", "--port DEVICE --input FILE.adj", "Write a tuning block to the radio.", runAdjustWrite},
        {"password", "--port DEVICE [--old OLD] --new NEW", "Change the radio's password.", runPassword},
    };
}

} // namespace r5::cli
