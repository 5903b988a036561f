#pragma once

#include "files/number_file.h"
#include "model/radio_image.h"

namespace r5 {

// The ".chann" file: rows 0 to 53 of the image, 22 values a line (the 16 radio
// bytes, then cells 16 to 21, which never reach the radio but round-trip).
inline constexpr int kChannelFileRows = 54;
inline constexpr int kChannelFileCells = 22;
inline constexpr char kChannelFileSuffix[] = ".chann";

QByteArray channelFileText(const RadioImage& image);
std::optional<FileError> saveChannelFile(const RadioImage& image, const QString& path);

// Loads a channel file into rows 0 to 53, cells 0 to 21. On any error the
// image is left exactly as it was.
std::optional<FileError> loadChannelFile(RadioImage& image, const QString& path);
std::optional<FileError> loadChannelText(RadioImage& image, const QByteArray& text, const QString& path);

// A name for a backup of the radio taken now in `dir` that is not taken yet:
// r5-backup-YYYYMMDD-HHMMSS.chann, with -2, -3 ... added within one second.
QString backupFilePath(const QString& dir);

} // namespace r5
