#pragma once

#include <QString>

namespace r5 {

// The number a typed text starts with, as the radio maker's editors read it:
// blanks anywhere are ignored, then an optional sign, digits and one decimal
// point; reading stops at the first other character. A text that does not
// start with a number reads as 0 ("145.5.3" is 145.5, "1a" is 1, "D023N" is 0).
double leadingNumber(const QString& text);

} // namespace r5
