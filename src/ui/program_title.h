#pragma once

#include "model/text.h"

namespace r5 {

// The program's name: the main window's title, and the heading of the About
// window. The frame sets it again at each language switch.
inline constexpr Text kMainWindowTitle = {"Harlan R5 系列对讲机写频软件", "R5 Series Program Software "};

} // namespace r5
