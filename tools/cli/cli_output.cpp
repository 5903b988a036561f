#include "cli_command.h"

#include <cstdio>

namespace r5::cli {

int fail(const QString& message)
{
    std::fprintf(stderr, "r5prog-cli: %s\n", message.toUtf8().constData());
    return kExitFailure;
}

int usageError(const QString& message)
{
    std::fprintf(stderr, "r5prog-cli: %s\nTry 'r5prog-cli --help'.\n", message.toUtf8().constData());
    return kExitUsage;
}

void printLine(const QString& line)
{
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
}

} // namespace r5::cli
