#include "app/command_line.h"

#include "link/port_table.h"

namespace r5 {

ProgramOptions parseProgramOptions(const QStringList& arguments)
{
    ProgramOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        QString value;
        bool inlineValue = false;
        if (argument.startsWith("--") && argument.contains('=')) {
            value = argument.section('=', 1);
            argument = argument.section('=', 0, 0);
            inlineValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= arguments.size()) {
                options.error = argument + " needs a value";
                return false;
            }
            value = arguments[++i];
            return true;
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--factory" && !inlineValue) {
            options.factory = true;
        } else if (argument == "--port") {
            if (!takeValue())
                return options;
            if (value.isEmpty()) {
                options.error = "--port needs a device";
                return options;
            }
            const PortArgument port = parsePortArgument(value);
            if (!port.ok()) {
                options.error = port.error;
                return options;
            }
            if (port.comPort != 0)
                options.startComPort = port.comPort;
            else
                options.ports << port.device;
        } else if (argument == "--language") {
            if (!takeValue())
                return options;
            if (value != "zh" && value != "en") {
                options.error = "--language takes zh or en, not '" + value + "'";
                return options;
            }
            options.language = value == "zh";
        } else if (argument == "--screenshots") {
            if (!takeValue())
                return options;
            options.screenshotFolder = value;
        } else {
            options.error = "unknown argument '" + arguments[i] + "'";
            options.unknownArgument = true;
            return options;
        }
    }
    return options;
}

QString programUsage()
{
    return QStringLiteral(
        "Usage: r5prog [OPTIONS]\n"
        "Programs Harlan R5 radios (Sable-VHF, Sable-UHF, Sable-FULL) over a serial cable.\n"
        "\n"
        "Options:\n"
        "  --port DEVICE        add a serial device to the port list (a path such as\n"
        "                       /dev/ttyUSB0 or /dev/pts/3); repeat for more ports\n"
        "  --port COMn | n      start on port COMn (1 to 8) instead of probing\n"
        "  --language zh|en     language at start (Chinese without it)\n"
        "  --factory            show the factory adjustment command\n"
        "  --screenshots DIR    write a picture of every window in both languages\n"
        "                       to DIR and exit\n"
        "  --help               show this help and exit\n"
        "  --version            show the version and exit\n");
}

} // namespace r5
