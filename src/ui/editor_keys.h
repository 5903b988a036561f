#pragma once

class QKeyEvent;

namespace r5 {

// How the channel editors' key filters read a key press.

bool isEnterKey(const QKeyEvent* event);
// Tab or Shift+Tab.
bool isTabKey(const QKeyEvent* event);

// Keys that edit or leave a field without typing a character into it:
// Backspace, Delete, Tab and the Ctrl shortcuts (select all, copy, undo).
// Filters check `isPasteKey` first: pasting would put in what they keep out.
bool isEditingKey(const QKeyEvent* event);
bool isPasteKey(const QKeyEvent* event);

// A key that types a printable character (space included).
bool typesCharacter(const QKeyEvent* event);

} // namespace r5
