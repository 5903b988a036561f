#pragma once

#include "model/text.h"
#include "model/app_state.h"

namespace r5 {

class MainWindow;

// The File menu's commands that take a programming out of the program and
// back: channel lists as CSV, the printable sheet as PDF or HTML, printing.
void registerSharingCommands(MainWindow& frame, AppState& state);

} // namespace r5
