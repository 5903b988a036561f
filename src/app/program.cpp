#include "app/program.h"

#include "app/program_windows.h"

namespace r5 {

Program::Program(const ProgramOptions& options)
    : ports_(PortTable::fromSystem(options.ports)),
      link_{ports_, serialPorts_, timers_},
      frame_(state_, MainWindow::Options{options.language, options.factory})
{
    registerProgramWindows(frame_, state_, link_);
    // A port named on the command line is the user's choice: no probe.
    frame_.startUp([this, chosen = options.startComPort] {
        return chosen != 0 ? chosen : probeStartUpPort(state_, link_);
    });
}

} // namespace r5
