#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace r5::cli {

enum ExitCode { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// One subcommand of r5prog-cli. `run` gets the arguments after the command name
// and returns the exit code; it prints its own failure line on stderr.
struct Command {
    QString name;
    QString synopsis;  // the arguments, as --help lists them
    QString summary;
    std::function<int(const QStringList& arguments)> run;
};

std::vector<Command> offlineCommands();
std::vector<Command> linkCommands();
Command portsCommand();
std::vector<Command> fileCommands();

// Output helpers: one line on stderr / stdout.
int fail(const QString& message);          // prints "r5prog-cli: message", returns kExitFailure
int usageError(const QString& message);    // prints the message and a hint, returns kExitUsage
void printLine(const QString& line);

// The file pickers' suffix rule for paths on the command line: ".chann" or
// ".CHANN" for channel files, ".adj" or ".ADJ" for tuning files, so a tuning
// block cannot be sent from a channel file by a slip of the finger. nullopt
// when the path passes, otherwise the usage error's exit code.
enum class FileKind { Channel, Tuning };
std::optional<int> refuseWrongSuffix(const QString& command, const QString& path, FileKind kind);

} // namespace r5::cli
