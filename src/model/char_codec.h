#pragma once

#include <QString>

namespace r5 {

// The characters the radio's stored factory passwords may hold: digits, '+',
// '-', space and capital letters, each stored as its ASCII code.
inline constexpr int kUnknownCharCode = 11;  // stored for any other character

// The character for a stored code, or an empty string for a code outside the set.
QString characterOfCode(int code);
// The code to store for one typed character; lower-case letters are stored as
// capitals and anything else (or a text that is not one character) as 11.
int codeOfCharacter(const QString& character);

} // namespace r5
