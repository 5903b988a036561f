#include "files/channel_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace r5 {
namespace {

NumberFileLayout layout()
{
    return {kChannelFileRows, kChannelFileCells,
            [](int cell) { return cell < RadioImage::kCellsPerRow; }};
}

void apply(RadioImage& image, const std::vector<qint16>& values)
{
    for (int row = 0; row < kChannelFileRows; ++row)
        for (int cell = 0; cell < kChannelFileCells; ++cell) {
            const qint16 v = values[static_cast<size_t>(row * kChannelFileCells + cell)];
            if (cell < RadioImage::kCellsPerRow)
                image.setCell(row, cell, static_cast<quint8>(v));
            else
                image.setExtra(row, cell, v);
        }
}

std::optional<FileError> applyResult(RadioImage& image, const NumberFileResult& result)
{
    if (result.error)
        return result.error;
    apply(image, result.values);
    return std::nullopt;
}

} // namespace

QByteArray channelFileText(const RadioImage& image)
{
    std::vector<qint16> values;
    values.reserve(kChannelFileRows * kChannelFileCells);
    for (int row = 0; row < kChannelFileRows; ++row)
        for (int cell = 0; cell < kChannelFileCells; ++cell)
            values.push_back(cell < RadioImage::kCellsPerRow ? image.cell(row, cell) : image.extra(row, cell));
    return formatNumberText(values, kChannelFileCells);
}

std::optional<FileError> saveChannelFile(const RadioImage& image, const QString& path)
{
    return writeFileAtomically(path, channelFileText(image));
}

std::optional<FileError> loadChannelFile(RadioImage& image, const QString& path)
{
    return applyResult(image, readNumberFile(path, layout()));
}

std::optional<FileError> loadChannelText(RadioImage& image, const QByteArray& text, const QString& path)
{
    return applyResult(image, parseNumberText(text, path, layout()));
}

QString backupFilePath(const QString& dir)
{
    const QString stem = "r5-backup-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString path = QDir(dir).filePath(stem + kChannelFileSuffix);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(dir).filePath(stem + "-" + QString::number(n) + kChannelFileSuffix);
    return path;
}

} // namespace r5
