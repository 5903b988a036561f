#pragma once

#include "model/text.h"
#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace r5 {

// Lays the programming sheet's HTML out with QTextDocument on A4 landscape
// pages (ten channel columns need the width) and paints it on a printer or a
// PDF writer. Needs a QGuiApplication, for the fonts.
void paintSheet(const QString& html, QPagedPaintDevice* device);
QByteArray sheetPdf(const QString& html, const QString& title);

} // namespace r5
