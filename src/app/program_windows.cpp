#include "app/program_windows.h"

#include "app/about_window.h"
#include "app/channel_file_windows.h"
#include "app/link_context.h"
#include "app/main_window.h"
#include "app/model_window.h"
#include "app/port_window.h"
#include "app/read_write_windows.h"
#include "link/port_probe.h"
#include "model/channel_grid_rules.h"

namespace r5 {
namespace {

// Stands in the channel grid's place until the grid is part of the program.
class ChannelGridPlaceholder : public ChildWindow {
public:
    explicit ChannelGridPlaceholder(AppState& state) : ChildWindow(state)
    {
        setObjectName("frm_chann");
        setWindowTitle(grid::windowTitle(state.CurrentChannel, chinese()));
    }
};

} // namespace

void registerProgramWindows(MDImain& frame, AppState& state, const LinkContext& link)
{
    frame.registerWindow("frm_chann", {"Channel_edit"}, [&state] { return new ChannelGridPlaceholder(state); });
    frame.registerWindow("Form_open_chann", {"File_Open"}, [&state] { return new Form_open_chann(state); });
    frame.registerWindow("Form_save_chann", {"File_save", "File_saveas"},
                         [&state] { return new Form_save_chann(state); });
    frame.registerWindow("Form_type", {"proc_type"}, [&frame, &state] {
        auto* window = new Form_type(state);
        QObject::connect(window, &Form_type::modelConfirmed, &frame, &MDImain::showBandInStatusBar);
        return window;
    });
    frame.registerWindow("Form_setup", {"proc_setup"}, [&frame, &state, &link] {
        auto* window = new Form_setup(state, link.ports);
        QObject::connect(window, &Form_setup::portConfirmed, &frame, &MDImain::showPortInStatusBar);
        return window;
    });
    frame.registerWindow("Form_Comm_Read", {"Prog_read"}, [&state, &link] { return new Form_Comm_Read(state, link); });
    frame.registerWindow("Form_Comm_Write", {"Prog_write"}, [&state, &link] { return new Form_Comm_Write(state, link); });
    frame.registerWindow("Form_About", {"Menu_About"}, [&state] { return new Form_About(state); });
}

int probeStartUpPort(AppState& state, const LinkContext& link)
{
    const ProbeResult probe = probePorts(link.ports, link.serialPorts);
    state.PortOpenFailed = probe.portOpenFailed;
    return probe.comPort;
}

} // namespace r5
