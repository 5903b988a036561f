#include "files/adjust_file.h"

namespace r5 {
namespace {

NumberFileLayout layout()
{
    return {AdjustImage::kRows, AdjustImage::kCellsPerRow, [](int) { return true; }};
}

} // namespace

QByteArray adjustFileText(const AdjustImage& adjust)
{
    std::vector<qint16> values;
    values.reserve(AdjustImage::kSize);
    for (int i = 0; i < AdjustImage::kSize; ++i)
        values.push_back(adjust.at(i));
    return formatNumberText(values, AdjustImage::kCellsPerRow);
}

std::optional<FileError> saveAdjustFile(const AdjustImage& adjust, const QString& path)
{
    return writeFileAtomically(path, adjustFileText(adjust));
}

std::optional<FileError> loadAdjustFile(AdjustImage& adjust, const QString& path)
{
    const NumberFileResult result = readNumberFile(path, layout());
    if (result.error)
        return result.error;
    for (int i = 0; i < AdjustImage::kSize; ++i)
        adjust.setAt(i, static_cast<quint8>(result.values[static_cast<size_t>(i)]));
    return std::nullopt;
}

} // namespace r5
