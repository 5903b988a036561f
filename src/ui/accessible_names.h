#pragma once

class QWidget;

namespace r5 {

// Gives a window's controls the names assistive technology reads, from what
// the window shows: a label beside or above a box or list in a layout becomes
// its buddy, so the name follows the label's text in either language; a list
// or table with no label is named after the window.
void nameControls(QWidget* window);

} // namespace r5
