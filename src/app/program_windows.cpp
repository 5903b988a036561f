#include "app/program_windows.h"

#include "app/about_window.h"
#include "app/channel_file_windows.h"
#include "app/link_context.h"
#include "app/main_window.h"
#include "app/model_window.h"
#include "app/port_window.h"
#include "app/read_write_windows.h"
#include "app/sharing_commands.h"
#include "link/port_probe.h"
#include "channels/channel_detail_window.h"
#include "channels/channel_grid_window.h"

namespace r5 {
namespace {

// The windows that close with the channel grid's Close button.
constexpr const char* kChannelWindows[] = {"Form_Chann_Edit", "Form_open_chann", "Form_save_chann", "frm_chann"};

} // namespace

void registerProgramWindows(MDImain& frame, AppState& state, const LinkContext& link)
{
    frame.registerWindow("frm_chann", {"Channel_edit"}, [&frame, &state] {
        auto* grid = new frm_chann(state);
        QObject::connect(grid, &frm_chann::channelEditRequested, &frame,
                         [&frame] { frame.openWindow("Form_Chann_Edit"); });
        QObject::connect(grid, &frm_chann::closeRequested, &frame, [&frame] {
            for (const char* name : kChannelWindows)
                frame.closeWindow(name);
        });
        return grid;
    });
    // Opened by the grid's Channel Edit button only.
    frame.registerWindow("Form_Chann_Edit", {}, [&frame, &state] {
        auto* editor = new Form_Chann_Edit(state);
        QObject::connect(editor, &Form_Chann_Edit::currentChannelChanged, &frame, [&frame] {
            if (auto* grid = qobject_cast<frm_chann*>(frame.child("frm_chann")))
                grid->updateTitle();
        });
        return editor;
    });
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
    registerSharingCommands(frame, state);
}

int probeStartUpPort(AppState& state, const LinkContext& link)
{
    const ProbeResult probe = probePorts(link.ports, link.serialPorts);
    state.PortOpenFailed = probe.portOpenFailed;
    return probe.comPort;
}

} // namespace r5
