#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace r5::cli {

// Parses a subcommand's arguments; on failure `error` says why (a usage error).
// `positional` receives the arguments that are not options.
struct ParsedOptions {
    bool ok = false;
    QString error;
};
ParsedOptions parseOptions(QCommandLineParser& parser, const QStringList& arguments);

} // namespace r5::cli
