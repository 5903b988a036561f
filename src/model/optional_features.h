#pragma once

#include "model/radio_image.h"
#include "model/text.h"

#include <QStringList>

namespace r5::options {

// The radio-wide settings in row 19 (0x130 to 0x138), one per cell; the item
// number is the cell number.
inline constexpr int kRow = 19;

enum Item {
    kTimeOut = 0,        // n = 1 to 40: n x 15 s (0 reads as 1)
    kSquelch = 1,        // 0 to 9
    kVoice = 2,          // 0 off, 1 Chinese, 2 English
    kKeypadLock = 3,     // check box: nonzero reads as on
    kBatterySave = 4,    // check box
    kBeep = 5,           // check box
    kPowerState = 6,     // 0 off, 1 on
    kCurrentChannel = 7, // 0 to 15: channel 1 to 16
    kVolume = 8,         // 0 to 11: step 1 to 12
};
inline constexpr int kItemCount = 9;

inline constexpr int kTimeOutStepSeconds = 15;
inline constexpr int kTimeOutChoices = 40;

inline constexpr Text kWindowTitle{"可选参数", "Optional Features"};

bool isCheckBox(Item item);
// The caption shown beside the item's control.
Text caption(Item item);
// The drop-down entries of a list item; empty for check boxes.
QStringList choices(Item item, Language language);

// The list position (or, for a check box, 1 ticked / 0 clear) a stored value
// shows as. Values beyond a list's end show its last entry.
int shownPosition(Item item, quint8 stored);
// The value a choice writes: the position, except the time-out (position + 1).
quint8 storedValue(Item item, int position);
// What showing the row writes back for a stored value (0 time-out becomes 1,
// a value beyond its list becomes the last entry's code, nonzero checks 1).
inline quint8 normalised(Item item, quint8 stored) { return storedValue(item, shownPosition(item, stored)); }

// The text the item shows for the row as stored, e.g. "120" or "English".
QString shownText(const RadioImage& image, Item item, Language language);

} // namespace r5::options
