#include "app/program_windows.h"

#include "app/main_window.h"
#include "app/sharing_commands.h"
#include "channels/channel_detail_window.h"
#include "channels/channel_grid_window.h"
#include "link/port_probe.h"
#include "windows/about_window.h"
#include "windows/channel_file_windows.h"
#include "windows/link_context.h"
#include "windows/model_window.h"
#include "windows/port_window.h"
#include "windows/read_write_windows.h"

namespace r5 {
namespace {

// The windows that close with the channel grid's Close button.
constexpr const char* kChannelWindows[] = {"Form_Chann_Edit", "Form_open_chann", "Form_save_chann", "frm_chann"};

} // namespace

void registerProgramWindows(MainWindow& frame, AppState& state, const LinkContext& link)
{
    frame.registerWindow("frm_chann", {"Channel_edit"}, [&frame, &state] {
        auto* grid = new ChannelGridWindow(state);
        QObject::connect(grid, &ChannelGridWindow::channelEditRequested, &frame,
                         [&frame] { frame.openWindow("Form_Chann_Edit"); });
        QObject::connect(grid, &ChannelGridWindow::closeRequested, &frame, [&frame] {
            for (const char* name : kChannelWindows)
                frame.closeWindow(name);
        });
        return grid;
    });
    // Opened by the grid's Channel Edit button only.
    frame.registerWindow("Form_Chann_Edit", {}, [&frame, &state] {
        auto* editor = new ChannelDetailWindow(state);
        QObject::connect(editor, &ChannelDetailWindow::currentChannelChanged, &frame, [&frame] {
            if (auto* grid = qobject_cast<ChannelGridWindow*>(frame.child("frm_chann")))
                grid->updateTitle();
        });
        return editor;
    });
    frame.registerWindow("Form_open_chann", {"File_Open"}, [&state] { return new OpenChannelFileWindow(state); });
    frame.registerWindow("Form_save_chann", {"File_save", "File_saveas"},
                         [&state] { return new SaveChannelFileWindow(state); });
    frame.registerWindow("Form_type", {"proc_type"}, [&frame, &state] {
        auto* window = new ModelWindow(state);
        QObject::connect(window, &ModelWindow::modelConfirmed, &frame, &MainWindow::showBandInStatusBar);
        return window;
    });
    frame.registerWindow("Form_setup", {"proc_setup"}, [&frame, &state, &link] {
        auto* window = new PortWindow(state, link.ports);
        QObject::connect(window, &PortWindow::portConfirmed, &frame, &MainWindow::showPortInStatusBar);
        return window;
    });
    frame.registerWindow("Form_Comm_Read", {"Prog_read"}, [&state, &link] { return new ReadWindow(state, link); });
    frame.registerWindow("Form_Comm_Write", {"Prog_write"}, [&state, &link] { return new WriteWindow(state, link); });
    frame.registerWindow("Form_About", {"Menu_About"}, [&state] { return new AboutWindow(state); });
    registerSharingCommands(frame, state);
}

int probeStartUpPort(AppState& state, const LinkContext& link)
{
    const ProbeResult probe = probePorts(link.ports, link.serialPorts);
    state.portOpenFailed = probe.portOpenFailed;
    return probe.comPort;
}

} // namespace r5
