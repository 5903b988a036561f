#pragma once

#include "model/text.h"

#include <QString>

#include <optional>

namespace r5 {

// The characters the radio's stored factory passwords may hold: digits, '+',
// '-', space and capital letters, each stored as its ASCII code.
inline constexpr int kUnknownCharCode = 11;  // stored for any other character

// The character for a stored code, or an empty string for a code outside the set.
QString characterOfCode(int code);
// The code to store for one typed character; lower-case letters are stored as
// capitals and anything else (or a text that is not one character) as 11.
int codeOfCharacter(const QString& character);

// The radio keeps one byte per password character: its Latin-1 code. The
// first character of `text` that has none, or nullopt when all have one.
std::optional<QString> firstCharWithoutByteCode(const QString& text);
// What the password boxes and r5prog-cli say about such a character.
QString noByteCodeMessage(const QString& character, Language language);

} // namespace r5
