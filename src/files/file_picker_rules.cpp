#include "files/file_picker_rules.h"

#include "model/window_names.h"

namespace r5 {

const FilePickerKind kOpenChannelPicker = {
    window::kOpenChannelFile,
    {"打开信道参数文件", "Open Channcle File"},
    ".chann",
    false,
    {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
    {"无效的信道参数文件后缀名！", "Nullity file suffix name of channel parameter."},
};

const FilePickerKind kSaveChannelPicker = {
    window::kSaveChannelFile,
    {"保存信道参数文件", "Save Channel File"},
    ".chann",
    true,
    {"保存信道参数所需要的文件名无效 ", "Store the file name of channel parameter need is nullity. "},
    {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default ！"},
};

const FilePickerKind kOpenAdjustPicker = {
    window::kOpenAdjustFile,
    {"打开调整参数文件", "Open Adjust File"},
    ".adj",
    false,
    {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
    {"无效的调整参数文件后缀名！", "Nullity file suffix name of adjust parameter."},
};

const FilePickerKind kSaveAdjustPicker = {
    window::kSaveAdjustFile,
    {"保存调整参数文件", "Save Adjust File"},
    ".adj",
    true,
    {"保存调整参数所需要的文件名无效 ", "Store the file name of adjust parameter need is nullity. "},
    {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default ！"},
};

QString pickerPattern(const FilePickerKind& kind)
{
    return "*" + QString::fromLatin1(kind.suffix);
}

QStringList pickerFileFilters(const FilePickerKind& kind)
{
    return {pickerPattern(kind), pickerPattern(kind).toUpper()};
}

namespace {

// Only spaces are dropped, as a dealer types them around a name; any other
// character stays part of the name and meets the checks.
QString withoutSurroundingSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

PickerNameCheck checkPickerName(const QString& typed, const FilePickerKind& kind)
{
    using Verdict = PickerNameCheck::Verdict;
    const QString name = withoutSurroundingSpaces(typed);
    for (const QChar ch : name)
        if (QLatin1String(kForbiddenNameCharacters).contains(ch))
            return {Verdict::BadName, name};
    if (!hasPickerSuffix(name, kind))
        return {Verdict::BadSuffix, name};
    return {Verdict::Accepted, name};
}

bool hasPickerSuffix(const QString& name, const FilePickerKind& kind)
{
    const QString lower = QString::fromLatin1(kind.suffix);
    return name.endsWith(lower, Qt::CaseSensitive) || name.endsWith(lower.toUpper(), Qt::CaseSensitive);
}

QString pickerCheckMessage(const PickerNameCheck& check, const FilePickerKind& kind, Language language)
{
    switch (check.verdict) {
    case PickerNameCheck::Verdict::BadName:
        return kind.badName.in(language);
    case PickerNameCheck::Verdict::BadSuffix:
        return kind.badSuffix.in(language);
    case PickerNameCheck::Verdict::Accepted:
        break;
    }
    return {};
}

QString composePickerPath(const QString& directory, const QString& name)
{
    if (directory.endsWith('/'))
        return directory + name;
    return directory + "/" + name;
}

} // namespace r5
