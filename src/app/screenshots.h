#pragma once

#include <QString>

namespace r5 {

class MDImain;

// Writes a picture of the main window and of every window of the program, in
// Chinese and in English, to `folder` (zh-MDImain.png, en-Form_type.png, ...).
// Returns the number of pictures that could not be written.
int writeScreenshots(MDImain& frame, const QString& folder);

} // namespace r5
