#pragma once

#include "model/text.h"
#include "model/radio_image.h"

#include <QString>

namespace r5 {

// A printable page of a programming, as HTML for QTextDocument and browsers:
// the model and its band, the 16 channels as the grid shows them and their
// detail-editor fields, then every radio-wide setting as its window shows it,
// all in one language.
QString programmingSheetHtml(const RadioImage& image, int model, Language language);

} // namespace r5
