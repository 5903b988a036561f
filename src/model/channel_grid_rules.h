#pragma once

#include "model/radio_image.h"
#include "model/tone_table.h"

#include <QString>
#include <QStringList>

namespace r5 {

// What the channel grid shows of a record and what its drop-down choices write.
// The grid window, the command-line listing and the tests all use these, so a
// channel reads the same everywhere.
namespace grid {

enum Column {
    kNumberColumn = 0,
    kReceiveColumn = 1,
    kTransmitColumn = 2,
    kDecodeColumn = 3,
    kEncodeColumn = 4,
    kPowerColumn = 5,
    kBandwidthColumn = 6,
    kScanColumn = 7,
    kScramblerColumn = 8,
    kPttIdColumn = 9,
};
inline constexpr int kColumnCount = 10;
inline constexpr int kScramblerChoices = 8;  // "OFF" and 1 to 8

// The header as the grid's format string ("|" between columns, "^" centres).
QString headerFormat(Language language);
// The header's column captions, without the centring marks.
QStringList headerTexts(Language language);

// "信道参数编辑 [ 信道 -  5 ]" / "Channel Information [ Channel -  5 ]".
QString windowTitle(int currentChannel, Language language);

// A tone pair as the grid shows it: "无"/"None", a CTCSS value with one
// decimal (67.0, 100.3), or a DCS name as padded in the tone table; an empty
// text for a DCS pair the table does not know.
QString toneText(ToneCode code, Language language);

// The text of one cell of a channel's line (columns 1 to 9). An empty channel
// shows nothing in any column.
QString cellText(const RadioImage& image, int channelNumber, int column, Language language);

// The drop-down entries of columns 3 to 9; empty for the other columns.
QStringList choices(int column, Language language);

// Writes the choice at `position` of column 3 to 9 into the channel. A decode
// tone is copied to the encode tone as well: a repeater pair is the exception,
// so the grid keeps both tones equal until the user changes the encode tone.
void applyChoice(RadioImage& image, int channelNumber, int column, int position);

} // namespace grid
} // namespace r5
