#include "app/program_windows.h"

#include "app/about_window.h"
#include "app/channel_file_windows.h"
#include "app/link_context.h"
#include "app/main_window.h"
#include "app/model_window.h"
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
    (void)link;
    frame.registerWindow("frm_chann", {"Channel_edit"}, [&state] { return new ChannelGridPlaceholder(state); });
    frame.registerWindow("Form_open_chann", {"File_Open"}, [&state] { return new Form_open_chann(state); });
    frame.registerWindow("Form_save_chann", {"File_save", "File_saveas"},
                         [&state] { return new Form_save_chann(state); });
    frame.registerWindow("Form_type", {"proc_type"}, [&frame, &state] {
        auto* window = new Form_type(state);
        QObject::connect(window, &Form_type::modelConfirmed, &frame, &MDImain::showBandInStatusBar);
        return window;
    });
    frame.registerWindow("Form_About", {"Menu_About"}, [&state] { return new Form_About(state); });
}

} // namespace r5
