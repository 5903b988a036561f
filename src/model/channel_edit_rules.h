#pragma once

#include "model/app_state.h"
#include "model/text.h"
#include "model/tone_table.h"

#include <optional>

namespace r5::grid {

// What the channel grid does to a channel when the user leaves a cell he
// opened. Every rule writes the image at once; the window then redraws the
// channel's line from the image, so the grid never shows what is not stored.
// Channel numbers outside 1 to 16 are refused: nothing is written.

// The outcome of a frequency commit: the message to show, if any (the
// messages of frequency_input.h).
struct CommitOutcome {
    std::optional<Text> message;
};

// Column 1 left with `typed` in the editor. A frequency inside the band is
// stored as receive and transmit frequency (a simplex channel is the usual
// case; the user changes the transmit frequency afterwards). An entry outside
// the band, or one the codec could not store as typed, is replaced by bandLow
// and reported. An empty channel that gets a frequency receives the
// new-channel values. A blank text empties the channel.
CommitOutcome commitReceive(AppState& state, int channelNumber, const QString& typed);

// Column 2 left with `typed`. Refused (and reported) on an empty channel. A
// frequency inside the band is stored as transmit frequency and keeps the
// encode tone; an entry outside the band is replaced by bandLow, reported, and
// loses the encode tone. A blank text removes the transmit frequency and the
// encode tone.
CommitOutcome commitTransmit(AppState& state, int channelNumber, const QString& typed);

// Typed tones: a number from 60 to 259.9 Hz is taken as a CTCSS tone as it is,
// standard or not (some repeaters use odd tones), as long as the radio can
// store it as one (below 256.0 Hz); anything else must be a tone name of the
// table ("D023N", "67.0", or "OFF" for no tone).
inline constexpr double kTypedToneLowest = 60.0;
inline constexpr double kTypedToneHighest = 259.9;

struct TypedTone {
    enum class Kind { Ctcss, TableEntry, Unknown };
    Kind kind = Kind::Unknown;
    ToneCode code;        // Ctcss: the tone in tenths of a hertz
    int tableIndex = -1;  // TableEntry: the list position to choose
};
TypedTone typedTone(const QString& text);

// Column 3 or 4 left with `text` in the drop-down's edit field. A number or a
// table name is stored (a decode tone is copied to the encode tone, as when it
// is chosen); any other text changes nothing.
void commitToneText(RadioImage& image, int channelNumber, int column, const QString& text);

// Key filter of the tone field: it only takes characters a tone can hold,
// digits, '.', 'D', 'N' and 'I' (lower-case letters are turned into capitals,
// as DCS names are written). Returns the character to insert, or nothing when
// the key is to be ignored.
std::optional<QChar> toneKey(QChar typed);

// Where the Enter key takes the editor after a commit (line = channel number).
struct CellPosition {
    int line;
    int column;
    bool operator==(const CellPosition&) const = default;
};
// `lineEmptyAfterCommit`: columns 1 and 2 of the line show nothing.
CellPosition enterMove(CellPosition from, bool lineEmptyAfterCommit);

// Whether a cell opens an editor when clicked: the frequencies always; the
// other columns only on a channel that has a receive frequency, and the encode
// tone only when it also has a transmit frequency.
bool isEditableCell(const RadioImage& image, int channelNumber, int column);

// The grid's Default button: the UHF set for model 1, the VHF set for every
// other model (unlike the model window, which gives Sable-FULL the UHF set).
void applyDefaultChannels(RadioImage& image, int currentModel);
// The grid's Clear button: every channel empty and out of the scan list.
void clearAllChannels(RadioImage& image);
// What the grid's line display does to a channel it finds empty (receive
// frequency erased): bring it into the empty form. Returns whether the channel
// is empty.
bool settleEmptyChannel(RadioImage& image, int channelNumber);

} // namespace r5::grid
