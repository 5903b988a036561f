#pragma once

#include <QString>

namespace r5 {

class MainWindow;

// Writes a picture of the main window and of every window of the program, in
// Chinese and in English, to `folder` (zh-MainWindow.png, en-ModelWindow.png, ...).
// Returns the number of pictures that could not be written.
int writeScreenshots(MainWindow& frame, const QString& folder);

} // namespace r5
