#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace r5 {

// A frequency as the radio stores it: four bytes of packed decimal digits in
// units of 10 Hz, least significant byte first, high nibble = more significant
// digit. 400.025 MHz is 00 25 00 40.
using FrequencyBytes = std::array<quint8, 4>;

// The text an editor shows for four frequency bytes: MHz with five decimals
// (400.02500, 145.00000; 45.00000 below 100 MHz). Nibbles above 9 are summed as
// they are, so four erased bytes read 1666.66665; callers test for 0xFF first.
QString frequencyText(const FrequencyBytes& bytes);

// Packs a frequency text of the form "ddd.ddddd" (trailing zeros may be left
// off). Only the character positions matter: the point is never looked at and
// missing or non-digit characters count as 0, so callers check the form first.
// `twoDigitMegahertz` serves bands below 100 MHz, whose texts have two digits
// before the point.
FrequencyBytes frequencyBytes(const QString& text, bool twoDigitMegahertz = false);

} // namespace r5
