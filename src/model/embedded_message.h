#pragma once

#include "model/radio_image.h"
#include "model/text.h"

#include <QString>

namespace r5::message {

// The radio's two-line embedded message: 32 one-byte characters per line,
// line 1 at 0x300 (rows 48 and 49), line 2 at 0x320 (rows 50 and 51). A line
// has no length byte: the characters are followed by 0xFF up to its end.
inline constexpr int kLineCount = 2;
inline constexpr int kLineLength = 32;
inline constexpr int kFirstRow = 48;
inline constexpr int kRowsPerLine = kLineLength / RadioImage::kCellsPerRow;
inline constexpr quint8 kFill = 0xFF;

// A line holds the printable one-byte characters, the space 0x20 to the tilde
// 0x7E. A space inside the text is part of the message, so it is shown and
// kept; control codes and codes above 0x7E (a radio's own symbols, or a byte
// the radio left) are never shown, and nothing else can be typed.
inline constexpr quint8 kFirstShownCode = 0x20;
inline constexpr quint8 kLastShownCode = 0x7E;

inline constexpr Text kWindowTitle{"嵌入信息", "Embedded Message"};

// Radio address of character k (1 to 32) of line 1 or 2.
int address(int line, int k);

// The box takes only characters that fit in one byte of the line.
bool isMessageCharacter(QChar ch);

// The box text of a line: its bytes in order, keeping only 0x20 to 0x7E.
QString shownLine(const RadioImage& image, int line);

// Stores a box text: 0xFF over the whole line, then the text without its
// leading and trailing blanks, at most 32 characters. Characters the radio
// cannot show (anything outside ASCII 0x20 to 0x7E) are left out rather than
// stored as a byte the editor would never show again.
void storeLine(RadioImage& image, int line, const QString& text);

// The box's keystroke rule: once the trimmed text holds 32 characters only
// Backspace is taken (so a full line can still be shortened); characters the
// radio cannot show are never taken.
bool keyAccepted(const QString& boxText, QChar key);

} // namespace r5::message
