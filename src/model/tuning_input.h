#pragma once

#include "model/radio_image.h"
#include "model/text.h"
#include "model/tuning_block.h"

#include <QString>

#include <array>
#include <optional>

namespace r5::tuning {

// What the factory editor does with a value typed into the tuning block. The
// rules return their outcome; the window shows the message and puts the box
// back. Bind them to the user's edits only: refreshing the boxes from the block
// must not run them (a refresh would otherwise store what it shows, or reject a
// value a radio holds).

// How a message of this editor is shown: the squelch messages exist only in
// Chinese and carry the information icon under the title "操作提示"; the range
// messages follow the language with the exclamation icon and the title
// "操作提示" / "Operate Prompt".
enum class MessageStyle { ChineseInformation, RangeWarning };

// Squelch level and squelch offset boxes, checked on every change.
enum class NumberEntry {
    Stored,      // the value is stored
    NotDigits,   // something other than digits: message, the default is stored
    OutOfRange,  // above the box's limit: message, the default is stored
};
struct NumberOutcome {
    NumberEntry entry;
    quint8 value;                // what the cell now holds (the box shows it)
    std::optional<Text> message;
};
inline constexpr MessageStyle kNumberMessageStyle = MessageStyle::ChineseInformation;

// An empty box stores 0.
NumberOutcome enterSquelchLevel(AdjustImage& adjust, int level, const QString& text);
NumberOutcome enterSquelchOffset(AdjustImage& adjust, int point, const QString& text);

// Frequency ranges 1 to 3, checked when a limit box is left. A limit must stay
// within the range's point group and the lower not above the upper one.
enum class RangeCheck { Accepted, HighAboveBand, HighBelowLow, LowBelowBand, LowAboveHigh };
struct RangeOutcome {
    RangeCheck check;
    int resetValue = 0;          // what the box is put back to when refused
    std::optional<Text> message;
};
inline constexpr MessageStyle kRangeMessageStyle = MessageStyle::RangeWarning;

// The number a limit box holds, as typed (the number its text starts with).
double rangeBoxValue(const QString& text);
RangeOutcome leaveRangeHigh(int range, double low, double high);
RangeOutcome leaveRangeLow(int range, double low, double high);

// The limits of ranges 1 to 3 as the boxes hold them (index range - 1).
struct RangeLimits {
    double low;
    double high;
};
// After an accepted limit all three ranges are stored from their boxes, each
// limit rounded to whole MHz and split into hundreds, tens and units. A limit
// outside 0 to 999 MHz cannot be written as three digits: its cells keep what
// they held.
void storeRange(AdjustImage& adjust, int range, RangeLimits limits);
void storeRanges(AdjustImage& adjust, const std::array<RangeLimits, 3>& ranges);

// Stores a password box: the trimmed text, centred in six space-padded cells
// (shifted right by (6 - length) / 2), each character as codeOfCharacter gives it;
// characters after the sixth are dropped.
void storePassword(AdjustImage& adjust, Password password, const QString& text);

} // namespace r5::tuning
