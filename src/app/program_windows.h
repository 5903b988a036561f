#pragma once

namespace r5 {

class MainWindow;
struct AppState;
struct LinkContext;

// Makes every window of the program known to the frame, with the menu and
// toolbar commands that open it and the signals that tie it to the frame and
// to the other windows. The application and the window tests use the same set.
void registerProgramWindows(MainWindow& frame, AppState& state, const LinkContext& link);

// The start-up's port probe: the first of COM8 down to COM1 that opens (COM1
// when none does); records whether any opened.
int probeStartUpPort(AppState& state, const LinkContext& link);

} // namespace r5
