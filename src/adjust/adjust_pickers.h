#pragma once

#include "windows/file_picker_window.h"

namespace r5 {

// Form_open_adj and Form_save_adj: the pickers of the adjustment file. They
// touch no file themselves: Confirm leaves the path and a load or save request
// for the adjustment window, which carries it out on its next poll.
class AdjustFilePicker : public FilePickerWindow {
    Q_OBJECT
public:
    AdjustFilePicker(AppState& state, const FilePickerKind& kind, QWidget* parent = nullptr);

protected:
    bool act(const QString& path) override;
};

} // namespace r5
