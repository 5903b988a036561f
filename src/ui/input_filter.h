#pragma once

#include <QChar>
#include <QString>

#include <functional>
#include <limits>

class QComboBox;
class QLineEdit;

namespace r5 {

// Which characters a box takes. The rule sees each character after folding.
using CharacterRule = std::function<bool(QChar)>;

// Full-width forms (U+FF01 to U+FF5E) and the ideographic space become their
// ASCII twins: a Chinese input method types "１４５．１２５" for 145.125.
QString foldFullWidth(const QString& text);

// Restricts what a box takes, whatever way it arrives: a key, an input
// method's committed text, a paste or a drop. Characters the rule refuses are
// left out, as if each had been typed and refused by a key filter; the rest
// stay in order, and no handler of the box ever sees them. Text the program
// sets passes the same rule, so a box's rule must take every text the window
// shows in it. A length limit belongs here rather than in the box's own
// maxLength, which would cut a long insertion before the rule drops its
// refused characters. Key-level rules (Enter, a refused Backspace) stay with
// the window.
void restrictInput(QLineEdit* box, CharacterRule accepts, int maxLength = std::numeric_limits<int>::max());
// The same for an editable drop-down list's text.
void restrictInput(QComboBox* box, CharacterRule accepts);

} // namespace r5
