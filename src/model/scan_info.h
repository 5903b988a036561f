#pragma once

#include "model/radio_image.h"
#include "model/text.h"

#include <QStringList>

namespace r5::scan {

// The radio's scan settings live in row 22 (0x160 to 0x168). Cells 9 to 15
// belong to no editor and are never touched.
inline constexpr int kRow = 22;

inline constexpr int kModeCell = 0;             // priority mode, see Mode
inline constexpr int kPriorityChannelCell = 1;  // 1 to 16; anything else: no priority channel
inline constexpr int kLookBackACell = 2;        // look-back code, see lookBackPosition
inline constexpr int kLookBackBCell = 3;
inline constexpr int kRevertCell = 4;           // 0 selected, 1 selected + talk back, 2 priority, 3 priority + talk back
inline constexpr int kDropoutCell = 5;          // seconds, 16 bits, low byte first (cells 5 and 6)
inline constexpr int kDwellCell = 7;            // seconds, 16 bits, low byte first (cells 7 and 8)

enum Mode { kNoPriority = 0, kFixed = 1, kSelected = 2 };
inline constexpr int kModeCount = 3;

// The drop-down lists of the scan window, in the window's order.
enum Item { kModeItem, kLookBackA, kLookBackB, kRevert, kDropout, kDwell };
inline constexpr int kItemCount = 6;

// Look-back times: 91 choices, 0.50 s to 5.00 s in 0.05 s steps. The radio
// reads code 0 and code 1 as 0.50 s and code c from 2 to 91 as 0.45 + 0.05 c;
// only 0 is written for 0.50 s.
inline constexpr int kLookBackChoices = 91;
inline constexpr int kLookBackMaxCode = 91;

// Dropout delay and transmit dwell: whole seconds 0 to 300.
inline constexpr int kMaxDelaySeconds = 300;

inline constexpr int kFirstPriorityChannel = 1;
inline constexpr int kLastPriorityChannel = 16;
inline constexpr int kPriorityChannelMaxDigits = 2;

inline constexpr Text kWindowTitle{"扫描信息", "Scan Information"};
inline constexpr Text kPriorityChannelCaption{"优先信道", "Priority Channel"};
// The English text says what the Chinese one says, so an English-speaking
// user is not left with an empty message box.
inline constexpr Text kPriorityChannelMessage{"优先信道号在 1 - 16 之间 ！",
                                              "The priority channel number is between 1 - 16 !"};

Text caption(Item item);

// The priority mode the row shows: cell 0, values beyond Selected read as Selected.
Mode mode(const RadioImage& image);

// The entries of a list. The revert list depends on the priority mode: without
// a priority channel it offers only the selected channel, in mode Selected only
// the priority channel, in mode Fixed both.
QStringList choices(Item item, Mode mode, Language language);

// "0.50" ... "5.00" for position 0 to 90.
QString lookBackText(int position);
// Codes above 91 read as 91 (5.00 s); codes 0 and 1 as position 0.
int lookBackPosition(quint8 code);
quint8 lookBackCode(int position);

// The revert lists of all modes map onto the same four codes: in mode Selected
// position p is code p + 2. Codes beyond the mode's list show its last entry.
int revertPosition(Mode mode, quint8 code);
quint8 revertCode(Mode mode, int position);

// A 16-bit delay read from its two cells, capped at 300 s.
int delaySeconds(const RadioImage& image, int lowCell);
void setDelaySeconds(RadioImage& image, int lowCell, int seconds);

// The list position the row shows for an item.
int shownPosition(const RadioImage& image, Item item);
QString shownText(const RadioImage& image, Item item, Language language);

// Writes a choice. Choosing a priority mode also refits the revert code to the
// new mode's list, as the window rebuilds that list and re-selects from it.
// Positions outside a list are taken as its nearest end.
void applyChoice(RadioImage& image, Item item, int position);

// What showing the row writes back: the mode limited to Selected, look-back
// codes 1 and above 91 brought into the list, the revert code fitted to the
// mode's list, delays capped at 300 s. The priority channel is left as it is.
void normaliseRow(RadioImage& image);

// The priority-channel box: it shows the channel only in mode Fixed (the other
// modes grey it out empty), and only when the cell holds 1 to 16.
bool priorityChannelEditable(const RadioImage& image);
QString priorityChannelText(const RadioImage& image);
// The box takes digits only, however they arrive (keys, input methods, paste).
bool isPriorityChannelCharacter(QChar ch);

enum class PriorityChannelEntry {
    Stored,      // the cell holds the new channel
    Ignored,     // not in mode Fixed, or the box was emptied: nothing is written
    OutOfRange,  // show kPriorityChannelMessage and empty the box; the cell keeps its value
};
// An edit of the priority-channel box.
PriorityChannelEntry enterPriorityChannel(RadioImage& image, const QString& boxText);

} // namespace r5::scan
