#pragma once

#include "files/number_file.h"
#include "model/radio_image.h"

namespace r5 {

// The ".adj" file: the 512-byte tuning block, 32 lines of 16 values.
inline constexpr char kAdjustFileSuffix[] = ".adj";

QByteArray adjustFileText(const AdjustImage& adjust);
std::optional<FileError> saveAdjustFile(const AdjustImage& adjust, const QString& path);
// On any error the tuning block is left exactly as it was.
std::optional<FileError> loadAdjustFile(AdjustImage& adjust, const QString& path);

} // namespace r5
