#include "cli_command.h"

#include "files/file_picker_rules.h"

namespace r5::cli {

std::optional<int> refuseWrongSuffix(const QString& command, const QString& path, FileKind kind)
{
    const FilePickerKind& picker = kind == FileKind::Channel ? kOpenChannelPicker : kOpenAdjustPicker;
    if (hasPickerSuffix(path, picker))
        return std::nullopt;
    const QString suffix = QString::fromLatin1(picker.suffix);
    const QString what = kind == FileKind::Channel ? "a channel file" : "a tuning file";
    return usageError(QString("%1: '%2' is not %3 (%4 or %5)").arg(command, path, what, suffix, suffix.toUpper()));
}

} // namespace r5::cli
