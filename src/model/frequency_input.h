#pragma once

#include <QString>

#include <optional>

namespace r5 {

// Typed frequencies before they reach the codec. The editors accept a
// frequency as the user types it ("145.5", "400.025") and hand the codec the
// full form: three digits, a point and five decimals (two digits below
// 100 MHz).

inline constexpr int kFrequencyTextLength = 9;       // "145.50000"
inline constexpr int kShortFrequencyTextLength = 8;  // "45.50000", below 100 MHz
inline constexpr int kFrequencyDecimals = 5;         // the radio counts in 10 Hz

// Appends "0" characters to a typed frequency until it has nine characters
// (eight when its value is below 100 MHz): "145.5" becomes "145.50000". A text
// already that long is returned as it is.
QString padFrequencyText(const QString& text);

// The lower band limit as an editor puts it in place of an out-of-range
// entry: 136 gives "136.00000", 45 gives "45.00000".
QString bandLowText(double bandLow);

// Whether the codec stores exactly the frequency the user typed: digits and at
// most one point, three digits before it (two on a band below 100 MHz) and at
// most five after it. "145.5.3" or "0145.5" would otherwise be stored as a
// different frequency than the one their leading number reads as.
bool isStorableFrequencyText(const QString& text, bool twoDigitMegahertz);

// A typed, non-blank frequency checked against the band. Inside the band and
// storable as typed: the padded text. Otherwise the band's lower limit, and the
// caller tells the user the entry was out of range.
struct FrequencyEntry {
    QString text;       // what to store (always in the codec's full form)
    bool replaced;      // true: BandLow took the place of the typed text
};
FrequencyEntry checkFrequencyEntry(const QString& typed, double bandLow, double bandHigh);

// Key filter of every frequency field: digits and the point. Returns the
// character to insert, or nothing when the key is to be ignored.
std::optional<QChar> frequencyKey(QChar typed);

// The text without blanks (spaces, tabs, line breaks) anywhere.
QString withoutBlanks(const QString& text);

} // namespace r5
