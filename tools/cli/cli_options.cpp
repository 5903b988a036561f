#include "cli_options.h"

namespace r5::cli {

ParsedOptions parseOptions(QCommandLineParser& parser, const QStringList& arguments)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    ParsedOptions result;
    // The parser expects the program name first.
    result.ok = parser.parse(QStringList{"r5prog-cli"} + arguments);
    if (!result.ok)
        result.error = parser.errorText();
    return result;
}

} // namespace r5::cli
