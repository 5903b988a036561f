#include "cli_command.h"

namespace r5::cli {

// Commands that talk to a radio over a serial port.
std::vector<Command> linkCommands()
{
    return {};
}

} // namespace r5::cli
