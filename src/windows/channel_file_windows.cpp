#include "windows/channel_file_windows.h"

#include "files/channel_file.h"
#include "ui/prompt.h"

namespace r5 {
namespace {

constexpr Text kLoaded{"信道参数从文件调入成功 ！", "Succeed fold the channel parameter from file."};
constexpr Text kSaved{"信道参数保存完毕 ！", "Complete storing channel parameter."};

// Both channel pickers open wide and at the top of the workspace.
QRect channelPickerGeometry(const QSize& main)
{
    const int w = int(main.width() / 1.55);
    const int h = int(main.height() / 1.3);
    return QRect((main.width() - w) / 2, 0, w, h);
}

} // namespace

OpenChannelFileWindow::OpenChannelFileWindow(AppState& state, QWidget* parent)
    : FilePickerWindow(state, kOpenChannelPicker, parent)
{
}

QRect OpenChannelFileWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return channelPickerGeometry(mainWindowSize);
}

bool OpenChannelFileWindow::act(const QString& path)
{
    if (const auto error = loadChannelFile(state().image, path)) {
        showPrompt(this, error->message(language()), language());
        return false;
    }
    showPrompt(this, kLoaded.in(language()), language());
    return true;
}

SaveChannelFileWindow::SaveChannelFileWindow(AppState& state, QWidget* parent)
    : FilePickerWindow(state, kSaveChannelPicker, parent)
{
}

QRect SaveChannelFileWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return channelPickerGeometry(mainWindowSize);
}

bool SaveChannelFileWindow::act(const QString& path)
{
    if (const auto error = saveChannelFile(state().image, path)) {
        showPrompt(this, error->message(language()), language());
        return false;
    }
    showPrompt(this, kSaved.in(language()), language());
    return true;
}

} // namespace r5
