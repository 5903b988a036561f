#pragma once

#include "model/text.h"
#include "model/channel_record.h"

#include <QString>

#include <optional>

namespace r5 {

// Every field of a channel, in one order: the grid's columns first, then the
// fields only the detail editor shows. The channel lists, the printed sheet
// and the differences between two programmings name and show a channel
// through these, so each reads as the editors show it.
enum class ChannelField {
    Number, Receive, Transmit, Decode, Encode, Power, Bandwidth, Scan, Scrambler, PttId,
    OptionSignalling, SpUnmute, BusyLockout, Compander, BeatShift, AutodialMemory,
};
inline constexpr int kChannelFieldCount = 16;
inline ChannelField channelFieldAt(int index) { return static_cast<ChannelField>(index); }

// The grid's header text for its columns, the detail editor's caption for the rest.
QString channelFieldCaption(ChannelField field, Language language);

// The field as the grid shows it (trimmed), or for the detail editor's fields
// the entry its list shows; a stored value the list has no entry for shows as
// its number. An empty channel shows nothing but its number.
QString channelFieldText(const RadioImage& image, int n, ChannelField field, Language language);
// Whether the field shows `text` in either language (letters in any case).
bool channelFieldShows(const RadioImage& image, int n, ChannelField field, const QString& text);

// The fields chosen from a list or a check box (power to autodial memory):
// their stored value, and writing one (bits of the record outside the field
// keep theirs).
bool isChoiceField(ChannelField field);
int choiceValue(const RadioImage& image, int n, ChannelField field);
void setChoiceValue(RadioImage& image, int n, ChannelField field, int value);
int choiceMaxValue(ChannelField field);

} // namespace r5
