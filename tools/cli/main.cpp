// r5prog-cli: the programmer for scripts and terminals. Offline commands work
// on files; link commands talk to a radio on a serial port.
#include "cli_command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace r5::cli;

namespace {

std::vector<Command> allCommands()
{
    std::vector<Command> commands = offlineCommands();
    for (Command& c : fileCommands())
        commands.push_back(std::move(c));
    for (Command& c : linkCommands())
        commands.push_back(std::move(c));
    commands.push_back(portsCommand());
    return commands;
}

void printHelp(const std::vector<Command>& commands)
{
    printLine("Usage: r5prog-cli COMMAND [OPTIONS]");
    printLine("Programs Harlan R5 radios (Sable-VHF, Sable-UHF, Sable-FULL) and their files.");
    printLine("");
    printLine("Commands:");
    for (const Command& c : commands) {
        printLine("  " + c.name + " " + c.synopsis);
        printLine("      " + c.summary);
    }
    printLine("");
    printLine("Exit status: 0 success, 1 failure (reason on stderr), 2 usage error.");
}

} // namespace

int main(int argc, char* argv[])
{
    // Laying out the printable sheet needs fonts, so that command gets a GUI
    // application; it never shows a window, so no display is needed either.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "sheet") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("r5prog-cli");
    const std::vector<Command> commands = allCommands();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usageError("no command given");
    const QString name = arguments.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(commands);
        return kExitOk;
    }
    for (const Command& c : commands) {
        if (c.name != name)
            continue;
        // "r5prog-cli show --help" is what a user tries first; answer it
        // rather than calling --help an unknown option.
        if (arguments.contains("--help") || arguments.contains("-h")) {
            printLine("Usage: r5prog-cli " + c.name + " " + c.synopsis);
            printLine(c.summary);
            return kExitOk;
        }
        const int code = c.run(arguments);
        // A listing that never reached its reader (a full disk, a closed
        // pipe) must not end as a success.
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            return code == kExitOk ? fail(QString("cannot write the output: %1").arg(std::strerror(errno))) : code;
        return code;
    }
    return usageError("unknown command '" + name + "'");
}
