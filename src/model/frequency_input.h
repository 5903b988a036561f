#pragma once

#include "model/text.h"

#include <QString>

#include <optional>

namespace r5 {

// How the frequency grids (the channel grid and the test-frequency grid) take a
// frequency typed by the user. Both read the number the text starts with, check
// it against the band of the current model (both ends included) and either
// accept it, replace it by the bottom of the band after a message, or clear the
// cell when nothing was typed.

enum class FrequencyEntry {
    InBand,     // store the padded text
    OutOfBand,  // message, then the band's lower limit is used instead
    Empty,      // nothing but blanks: the cell is cleared
};

// Reads the typed text as the grids always have (the number it starts with;
// letters read as 0, so they fall below the band).
FrequencyEntry classifyFrequency(const QString& typed, double bandLow, double bandHigh);

// The frequency text the codec packs: the number the text starts with, written
// with a point and five decimals ("145" -> "145.00000", "145.5" -> "145.50000";
// two digits before the point below 100 MHz, eight characters in all). Digits
// beyond the radio's 10 Hz step are cut, as the radio cannot hold them.
// Empty when the text does not start with a number. Callers check the band
// first, so the text always has the two or three digits the codec expects
// before the point, and what is stored is exactly the number that was checked.
QString padFrequencyText(const QString& typed);

// The band's lower limit as a frequency text (136 gives "136.00000"): what an
// out-of-band frequency is replaced with.
QString bandLowText(double bandLow);

// Whether the codec stores exactly the frequency the user typed: digits and at
// most one point, three digits before it (two on a band below 100 MHz) and at
// most five after it, not counting zeros at the end (145.125000 is 145.125). A
// text such as "145.5.3", "0145.5" or "145.123456" reads as a number in the
// band, but what was typed is not a frequency the radio can hold; the channel
// editors treat it as out of range rather than store some other frequency
// without a word.
bool isStorableFrequencyText(const QString& typed, bool twoDigitMegahertz);

// A typed, non-blank frequency of the channel editors checked against the band:
// inside the band and storable as typed, the padded text; otherwise the band's
// lower limit, and the caller shows the out-of-range message.
struct CheckedFrequency {
    QString text;   // what to store, in the codec's form
    bool replaced;  // true: bandLow took the place of the typed text
};
CheckedFrequency checkFrequencyEntry(const QString& typed, double bandLow, double bandHigh);

// Key filter of every frequency field: digits and the point. Returns the
// character to insert, or nothing when the key is to be ignored.
std::optional<QChar> frequencyKey(QChar typed);

// The text without blanks (spaces, tabs, line breaks) anywhere.
QString withoutBlanks(const QString& text);

// The messages of both frequency grids.
inline constexpr Text kReceiveOutOfRange{"接收频率超出范围 ！", "Over the range of receive frequency ."};
inline constexpr Text kTransmitOutOfRange{"发射频率超出范围 ！", "Over the range of transmit frequency ."};
inline constexpr Text kReceiveFirst{"请先输入接收频率 ！", "Please input the receive frequency in advance."};

} // namespace r5
