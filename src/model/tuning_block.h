#pragma once

#include "model/radio_image.h"
#include "model/text.h"

#include <QString>
#include <QStringList>

#include <array>

namespace r5::tuning {

// The layout of the radio's 512-byte tuning block (AdjustImage, 32 rows of 16
// bytes). Cells not named here are carried through reads, writes and files
// untouched.

// Transmit power setting per frequency point: rows 0 to 3 at high power, rows 4
// to 7 at low power, one row per point group, one cell per point.
inline constexpr int kHighPowerFirstRow = 0;
inline constexpr int kLowPowerFirstRow = 4;
inline constexpr int kGroupCount = 4;
inline constexpr int kPointsPerGroup = 16;

// Squelch opening value of levels 0 to 9 in row 8 (0 to 100).
inline constexpr int kSquelchLevelRow = 8;
inline constexpr int kSquelchLevels = 10;
inline constexpr int kSquelchLevelMax = 100;

// Squelch offset of frequency points 0 to 95, rows 9 to 14, 16 to a row (0 to 20).
inline constexpr int kSquelchOffsetFirstRow = 9;
inline constexpr int kSquelchOffsetPoints = 96;
inline constexpr int kSquelchOffsetMax = 20;
inline constexpr int kSquelchOffsetFirstMHz = 120;
inline constexpr int kSquelchOffsetStepMHz = 5;

// Modulation and gain settings (row 16) and output and drive levels (row 17),
// one cell per drop-down.
inline constexpr int kModulationRow = 16;
inline constexpr int kModulationCombos = 16;
inline constexpr int kLevelRow = 17;
inline constexpr int kLevelCombos = 10;

// Frequency ranges 0 to 3 in rows 24 to 27: lower limit in cells 0 to 2 and
// upper limit in cells 3 to 5, whole MHz as hundreds, tens and units; cell 7
// allows transmitting in the range (1 or more). Range 0 is the VHF range, which
// the editor does not offer; ranges 1 to 3 follow point groups 1 to 3.
inline constexpr int kRangeFirstRow = 24;
inline constexpr int kFirstEditableRange = 1;
inline constexpr int kLastEditableRange = 3;
inline constexpr int kRangeLowCell = 0;
inline constexpr int kRangeHighCell = 3;
inline constexpr int kRangeTransmitCell = 7;

// The two stored passwords in row 31: six character codes each, padded with
// spaces (32).
inline constexpr int kPasswordRow = 31;
inline constexpr int kPasswordLength = 6;
inline constexpr quint8 kPasswordPad = 32;
enum Password { kUserPassword = 0, kSuperPassword = 1 };
int passwordFirstCell(Password password);

// The point groups of the power tabs; entries 1 to 3 also bound frequency
// ranges 1 to 3.
struct PointGroup {
    const char* name;
    int startMHz;
    int endMHz;
    int stepMHz;
};
inline constexpr std::array<PointGroup, kGroupCount> kPointGroups = {{
    {"VHF", 100, 179, 4},
    {"UHF0", 200, 270, 6},
    {"UHF1", 400, 520, 6},
    {"UHF2", 350, 390, 4},
}};

// The editor's tabs, in order.
enum Tab { kHighPowerTab = 0, kLowPowerTab, kSquelchTab, kModulationTab, kRangeTab };
inline constexpr int kTabCount = 5;
// The tab's key ("Adj_Txp_High" ...).
QString tabKey(Tab tab);
// The tab's heading, which is also the window title while the tab is chosen.
Text tabHeading(Tab tab);

inline constexpr Text kBusyCloseMessage{"正在进行读写操作,请勿关窗口 ！,",
                                        "Read-write operating，don't close the window.,"};

// Power boxes: group g, point i on the high or low power tab.
int powerRow(bool highPower, int group);
QString pointLabel(int group, int point);  // "104MHZ"
QString powerText(const AdjustImage& adjust, bool highPower, int group, int point);

// Squelch tab.
QString squelchLevelLabel(int level);  // "0" ... "9"
QString squelchOffsetLabel(int point); // "120" ... "595"
int squelchOffsetRow(int point);
int squelchOffsetCell(int point);
QString squelchLevelText(const AdjustImage& adjust, int level);
QString squelchOffsetText(const AdjustImage& adjust, int point);

// Modulation tab: two sets of drop-downs.
enum ComboSet { kModulation, kLevel };
int comboRow(ComboSet set);
int comboCount(ComboSet set);
// The items of combo `index`: " 0", " 1" ... (one leading space); the last
// three modulation combos have none.
QStringList comboItems(ComboSet set, int index);
// The combo's text: the stored value as a plain number.
QString comboText(const AdjustImage& adjust, ComboSet set, int index);
// Stores the chosen item's position; a position the combo does not offer
// stores nothing (returns false).
bool chooseComboItem(AdjustImage& adjust, ComboSet set, int index, int position);
// The captions the radio maker put beside the combos (Chinese only).
QStringList modulationCaptions();
QStringList levelCaptions();  // one per level combo, in order

// Range tab: lower and upper limit of range r in MHz and its transmit flag.
int rangeRow(int range);
int rangeLow(const AdjustImage& adjust, int range);
int rangeHigh(const AdjustImage& adjust, int range);
bool transmitAllowed(const AdjustImage& adjust, int range);
// Ticking writes 1 and clearing 0, unless the flag already reads as wanted.
void setTransmitAllowed(AdjustImage& adjust, int range, bool allowed);

// The password as stored (characterOfCode of each of its six cells).
QString passwordText(const AdjustImage& adjust, Password password);

} // namespace r5::tuning
