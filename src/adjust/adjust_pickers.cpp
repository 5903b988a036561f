#include "adjust/adjust_pickers.h"

namespace r5 {

AdjustFilePicker::AdjustFilePicker(AppState& state, const FilePickerKind& kind, QWidget* parent)
    : FilePickerWindow(state, kind, parent)
{
}

bool AdjustFilePicker::act(const QString&)
{
    (kind().saves ? state().adjustSaveRequest : state().adjustOpenRequest) = true;
    return true;
}

} // namespace r5
