#pragma once

#include "model/app_state.h"

namespace r5 {

class MDImain;

// The File menu's commands that take a programming out of the program and
// back: channel lists as CSV, the printable sheet as PDF or HTML, printing.
void registerSharingCommands(MDImain& frame, AppState& state);

} // namespace r5
