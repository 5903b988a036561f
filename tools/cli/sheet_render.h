#pragma once

#include <QByteArray>
#include <QString>

namespace r5::cli {

// The sheet's HTML laid out by QTextDocument on A4 landscape pages, as PDF.
// Needs a QGuiApplication (fonts).
QByteArray sheetPdf(const QString& html, const QString& title);

} // namespace r5::cli
