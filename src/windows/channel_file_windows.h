#pragma once

#include "windows/file_picker_window.h"

namespace r5 {

// OpenChannelFileWindow: loads a ".chann" file into the image. A file that cannot be
// read, ends early or holds something that is not a radio value is reported
// and leaves the image exactly as it was.
class OpenChannelFileWindow : public FilePickerWindow {
    Q_OBJECT
public:
    explicit OpenChannelFileWindow(AppState& state, QWidget* parent = nullptr);
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool act(const QString& path) override;
};

// SaveChannelFileWindow: writes the image to a ".chann" file, replacing one of that
// name; a failed save leaves an existing file as it was.
class SaveChannelFileWindow : public FilePickerWindow {
    Q_OBJECT
public:
    explicit SaveChannelFileWindow(AppState& state, QWidget* parent = nullptr);
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool act(const QString& path) override;
};

} // namespace r5
