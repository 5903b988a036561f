#include "model/channel_edit_rules.h"

#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_input.h"
#include "model/numeric_text.h"

#include <cmath>

namespace r5::grid {
namespace {

// Stores a checked frequency text as the receive frequency (and, in the
// grid, as the transmit frequency too), creating the channel if it was empty.
void storeReceive(AppState& state, int n, const QString& text)
{
    const bool wasEmpty = channel::isEmpty(state.image, n);
    if (wasEmpty)
        clearChannel(state.image, n);  // a half-erased record from a radio starts clean
    const FrequencyBytes bytes = frequencyBytes(text, state.twoDigitMegahertz());
    channel::setReceive(state.image, n, bytes);
    channel::setTransmit(state.image, n, bytes);
    if (wasEmpty)
        startNewChannel(state.image, n, channel::kNewFlagsBGrid);
}

} // namespace

CommitOutcome commitReceive(AppState& state, int n, const QString& typed)
{
    if (!channel::isValidNumber(n))
        return {};
    if (withoutBlanks(typed).isEmpty()) {
        clearChannel(state.image, n);
        return {};
    }
    const CheckedFrequency entry = checkFrequencyEntry(typed, state.bandLow, state.bandHigh);
    storeReceive(state, n, entry.text);
    if (entry.replaced)
        return {kReceiveOutOfRange};
    return {};
}

CommitOutcome commitTransmit(AppState& state, int n, const QString& typed)
{
    if (!channel::isValidNumber(n))
        return {};
    const bool blank = withoutBlanks(typed).isEmpty();
    if (!blank && channel::isEmpty(state.image, n))
        return {kReceiveFirst};
    if (blank) {
        channel::clearTransmit(state.image, n);
        return {};
    }
    const CheckedFrequency entry = checkFrequencyEntry(typed, state.bandLow, state.bandHigh);
    channel::setTransmit(state.image, n, frequencyBytes(entry.text, state.twoDigitMegahertz()));
    if (!entry.replaced)
        return {};
    // The encode tone went with a transmit frequency the user did not mean.
    channel::setEncode(state.image, n, ToneCode{});
    return {kTransmitOutOfRange};
}

TypedTone typedTone(const QString& text)
{
    const QString t = withoutBlanks(text);
    const double hertz = leadingNumber(t);
    if (hertz >= kTypedToneLowest && hertz <= kTypedToneHighest) {
        // From 256.0 Hz on the code's high byte reaches 10, which the radio
        // reads as a DCS code: such a number is no tone it can send.
        const ToneCode code = ctcssCode(static_cast<int>(std::lround(hertz * 10)));
        if (!code.isCtcss())
            return {};
        TypedTone tone;
        tone.kind = TypedTone::Kind::Ctcss;
        tone.code = code;
        return tone;
    }
    if (const auto index = ToneTable::indexOfName(t)) {
        TypedTone tone;
        tone.kind = TypedTone::Kind::TableEntry;
        tone.tableIndex = *index;
        return tone;
    }
    return {};
}

void commitToneText(RadioImage& image, int n, int column, const QString& text)
{
    if (!channel::isValidNumber(n) || (column != kDecodeColumn && column != kEncodeColumn))
        return;
    const TypedTone tone = typedTone(text);
    switch (tone.kind) {
    case TypedTone::Kind::Ctcss:
        if (column == kDecodeColumn)
            channel::setDecode(image, n, tone.code);
        channel::setEncode(image, n, column == kDecodeColumn ? channel::decode(image, n) : tone.code);
        break;
    case TypedTone::Kind::TableEntry:
        applyChoice(image, n, column, tone.tableIndex);
        break;
    case TypedTone::Kind::Unknown:
        break;
    }
}

std::optional<QChar> toneKey(QChar typed)
{
    if ((typed >= '0' && typed <= '9') || typed == '.')
        return typed;
    const QChar upper = typed.toUpper();
    if (upper == 'D' || upper == 'N' || upper == 'I')
        return upper;
    return std::nullopt;
}

CellPosition enterMove(CellPosition from, bool lineEmptyAfterCommit)
{
    const int nextLine = std::min(from.line + 1, static_cast<int>(channel::kLast));
    switch (from.column) {
    case kReceiveColumn:
        return {from.line, kTransmitColumn};
    case kTransmitColumn:
        return lineEmptyAfterCommit ? CellPosition{nextLine, kReceiveColumn}
                                    : CellPosition{from.line, kDecodeColumn};
    case kPttIdColumn:
        return {nextLine, kReceiveColumn};
    default:
        if (from.column >= kDecodeColumn && from.column < kPttIdColumn)
            return {from.line, from.column + 1};
        return from;
    }
}

bool isEditableCell(const RadioImage& image, int n, int column)
{
    if (!channel::isValidNumber(n))
        return false;
    if (column == kReceiveColumn || column == kTransmitColumn)
        return true;
    if (column < kDecodeColumn || column >= kColumnCount || channel::isEmpty(image, n))
        return false;
    return column != kEncodeColumn || channel::hasTransmit(image, n);
}

void applyDefaultChannels(RadioImage& image, int currentModel)
{
    if (currentModel == kUhfModel)
        buildUhfChannels(image);
    else
        buildVhfChannels(image);
}

void clearAllChannels(RadioImage& image)
{
    for (int n = channel::kFirst; n <= channel::kLast; ++n)
        clearChannel(image, n);
}

bool settleEmptyChannel(RadioImage& image, int n)
{
    if (!channel::isValidNumber(n) || !channel::isEmpty(image, n))
        return false;
    clearChannel(image, n);
    return true;
}

} // namespace r5::grid
