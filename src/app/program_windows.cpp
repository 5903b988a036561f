#include "app/program_windows.h"

#include "adjust/adjust_pickers.h"
#include "adjust/adjust_window.h"
#include "app/main_window.h"
#include "windows/password_window.h"
#include "app/sharing_commands.h"
#include "channels/channel_detail_window.h"
#include "channels/channel_grid_window.h"
#include "features/key_window.h"
#include "features/message_window.h"
#include "features/options_window.h"
#include "features/scan_window.h"
#include "features/test_frequency_window.h"
#include "link/port_probe.h"
#include "model/window_names.h"
#include "windows/about_window.h"
#include "windows/channel_file_windows.h"
#include "windows/link_context.h"
#include "windows/model_window.h"
#include "windows/port_window.h"
#include "windows/read_write_windows.h"

namespace r5 {
namespace {

// The windows that close with the channel grid's Close button.
constexpr const char* kChannelWindows[] = {window::kChannelDetail, window::kOpenChannelFile, window::kSaveChannelFile,
                                           window::kChannelGrid};
// The pickers that close with the adjustment window.
constexpr const char* kAdjustPickers[] = {window::kOpenAdjustFile, window::kSaveAdjustFile};

} // namespace

void registerProgramWindows(MainWindow& frame, AppState& state, const LinkContext& link)
{
    frame.registerWindow(window::kChannelGrid, {command::kChannels}, [&frame, &state] {
        auto* grid = new ChannelGridWindow(state);
        QObject::connect(grid, &ChannelGridWindow::channelEditRequested, &frame,
                         [&frame] { frame.openWindow(window::kChannelDetail); });
        QObject::connect(grid, &ChannelGridWindow::closeRequested, &frame, [&frame] {
            for (const char* name : kChannelWindows)
                frame.closeWindow(name);
        });
        return grid;
    });
    // Opened by the grid's Channel Edit button only.
    frame.registerWindow(window::kChannelDetail, {}, [&frame, &state] {
        auto* editor = new ChannelDetailWindow(state);
        QObject::connect(editor, &ChannelDetailWindow::currentChannelChanged, &frame, [&frame] {
            if (auto* grid = qobject_cast<ChannelGridWindow*>(frame.child(window::kChannelGrid)))
                grid->updateTitle();
        });
        return editor;
    });
    frame.registerWindow(window::kOpenChannelFile, {command::kOpenFile},
                         [&state] { return new OpenChannelFileWindow(state); });
    frame.registerWindow(window::kSaveChannelFile, {command::kSaveFile, command::kSaveFileAs},
                         [&state] { return new SaveChannelFileWindow(state); });
    frame.registerWindow(window::kModel, {command::kModel}, [&frame, &state] {
        auto* window = new ModelWindow(state);
        QObject::connect(window, &ModelWindow::modelConfirmed, &frame, &MainWindow::showBandInStatusBar);
        return window;
    });
    frame.registerWindow(window::kPort, {command::kPort}, [&frame, &state, &link] {
        auto* window = new PortWindow(state, link.ports);
        window->addPortDoctor(link.serialPorts, systemPortFacts());
        QObject::connect(window, &PortWindow::portConfirmed, &frame, &MainWindow::showPortInStatusBar);
        return window;
    });
    frame.registerWindow(window::kRead, {command::kRead}, [&state, &link] { return new ReadWindow(state, link); });
    frame.registerWindow(window::kWrite, {command::kWrite}, [&state, &link] { return new WriteWindow(state, link); });
    frame.registerWindow(window::kOptions, {command::kOptionalFeatures}, [&state] { return new OptionsWindow(state); });
    frame.registerWindow(window::kKeyAssignment, {command::kKeyAssignment}, [&state] { return new KeyAssignmentWindow(state); });
    frame.registerWindow(window::kScan, {command::kScanInformation}, [&state] { return new ScanWindow(state); });
    frame.registerWindow(window::kTestFrequencies, {command::kTestFrequencies}, [&state] { return new TestFrequencyWindow(state); });
    frame.registerWindow(window::kMessage, {command::kEmbeddedMessage}, [&state] { return new MessageWindow(state); });
    frame.registerWindow(window::kPassword, {command::kPassword},
                         [&state, &link] { return new PasswordWindow(state, link); });
    // The factory command brings an open adjustment window forward: building it
    // anew would abandon a transfer and its pickers.
    frame.registerWindow(window::kAdjust, {command::kFactoryAdjust}, [&frame, &state, &link] {
        auto* window = new AdjustWindow(state, link);
        QObject::connect(window, &AdjustWindow::pickerRequested, &frame, &MainWindow::showWindow);
        QObject::connect(window, &AdjustWindow::statusBarText, &frame, &MainWindow::showStatusText);
        // Queued: the frame may be closing every window when this one closes.
        QObject::connect(window, &AdjustWindow::closing, &frame, [&frame] {
            for (const char* name : kAdjustPickers)
                frame.closeWindow(name);
        }, Qt::QueuedConnection);
        return window;
    }, MainWindow::Reopen::BringForward);
    // Opened by the adjustment window only.
    frame.registerWindow(window::kOpenAdjustFile, {}, [&state] { return new AdjustFilePicker(state, kOpenAdjustPicker); });
    frame.registerWindow(window::kSaveAdjustFile, {}, [&state] { return new AdjustFilePicker(state, kSaveAdjustPicker); });
    frame.registerWindow(window::kAbout, {command::kAbout}, [&state] { return new AboutWindow(state); });
    registerSharingCommands(frame, state);
}

int probeStartUpPort(AppState& state, const LinkContext& link)
{
    const ProbeResult probe = probePorts(link.ports, link.serialPorts);
    state.portOpenFailed = probe.portOpenFailed;
    return probe.comPort;
}

} // namespace r5
