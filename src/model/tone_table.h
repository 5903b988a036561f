#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace r5 {

// A 16-bit tone code as the radio stores it in a channel (low byte first).
// 0xFFFF is "no tone"; a high byte below 10 is a CTCSS tone in 0.1 Hz; 0x28/0x29
// is a normal DCS code and 0xA8/0xA9 an inverted one (0x2800 / 0xA800 plus the
// code's digits read as octal).
struct ToneCode {
    quint8 low = 0xFF;
    quint8 high = 0xFF;

    static constexpr quint8 kCtcssHighLimit = 10;  // high bytes below this are CTCSS

    bool isNone() const { return low == 0xFF && high == 0xFF; }
    bool isCtcss() const { return high < kCtcssHighLimit; }
    int value() const { return high * 256 + low; }
    bool operator==(const ToneCode&) const = default;
};

// The radio's list of selectable tones: index 0 is "off", 1 to 39 the CTCSS
// tones, 40 to 122 the DCS codes in normal and 123 to 205 the same codes in
// inverted polarity. Drop-down lists use the index as their position.
namespace ToneTable {

inline constexpr int kCount = 206;
inline constexpr int kOff = 0;
inline constexpr int kFirstCtcss = 1;
inline constexpr int kCtcssCount = 39;
inline constexpr int kFirstDcsNormal = 40;
inline constexpr int kDcsCount = 83;
inline constexpr int kFirstDcsInverted = kFirstDcsNormal + kDcsCount;

// The display name padded with spaces exactly as the radio maker's lists show
// them (the padding differs by index); most callers want `trimmedName`.
QString paddedName(int index);
QString trimmedName(int index);
ToneCode code(int index);

// The first index whose code is exactly this pair, if any.
std::optional<int> indexOf(ToneCode code);
// The first index whose trimmed name equals `name`, if any.
std::optional<int> indexOfName(const QString& name);

} // namespace ToneTable

// The tone pair for a tone typed as text: "FF" is no tone; a number above 0 and
// below 255 is a CTCSS tone in Hz (67.0 gives low 0x9E, high 0x02); any other
// text gives nothing, and the caller then leaves the cells as they are.
std::optional<ToneCode> toneCodeOf(const QString& text);

// The pair for a CTCSS tone given in tenths of a hertz (670 for 67.0 Hz).
ToneCode ctcssCode(int tenths);

} // namespace r5
