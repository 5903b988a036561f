#pragma once

#include "ui/named_widgets.h"

#include "model/text.h"

#include <QRect>
#include <QSize>
#include <QStringList>

class QComboBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace r5 {

// Small pieces the radio-wide settings windows share.

// A button of a settings window: it never takes Enter as the default button,
// so Enter in a box does not close the window.
QPushButton* makeFeatureButton(const char* name, const Text& caption, Language language, QWidget* parent);

// Closes the window with the workspace frame around it.
void closeFramed(QWidget* window);

// The Help and Close buttons every settings window ends with, right-aligned;
// Close closes the window, Help has never had an action.
QHBoxLayout* makeHelpCloseRow(QWidget* window, Language language);

// Where a settings window opens: its size a fraction of the main window's,
// centred across, and set down from the top by a fraction of the room left.
QRect fractionGeometry(const QSize& mainWindowSize, double widthDivisor, double heightDivisor, int topDivisor);

// Refills a list without a selection and without reporting a change.
void fillQuietly(QComboBox* list, const QStringList& entries);

// Shows a list's entries in other words (another language), keeping the
// selection and reporting no change.
void retextQuietly(QComboBox* list, const QStringList& entries);

// Selects an entry without reporting a change; true when the selection moved,
// so the caller writes the entry's value back as a user's choice would.
bool selectQuietly(QComboBox* list, int position);

// Keeps a drop-down to its list: typed characters neither edit nor search it.
void ignoreTyping(QComboBox* list);

} // namespace r5
