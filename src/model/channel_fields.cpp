#include "model/channel_fields.h"

#include "model/channel_detail_rules.h"
#include "model/channel_grid_rules.h"

namespace r5 {
namespace {

// The first ten fields are the grid's columns, in the grid's order.
static_assert(static_cast<int>(ChannelField::Receive) == grid::kReceiveColumn);
static_assert(static_cast<int>(ChannelField::PttId) == grid::kPttIdColumn);

bool isGridColumn(ChannelField field) { return field <= ChannelField::PttId; }

// The record bits behind each choice; scan membership lives apart, in row 23.
std::optional<BitField> bitField(ChannelField field)
{
    switch (field) {
    case ChannelField::Power: return channel::kHighPower;
    case ChannelField::Bandwidth: return channel::kWide;
    case ChannelField::Scrambler: return channel::kScrambler;
    case ChannelField::PttId: return channel::kPttId;
    case ChannelField::OptionSignalling: return channel::kOptionSignalling;
    case ChannelField::SpUnmute: return channel::kSpUnmute;
    case ChannelField::BusyLockout: return channel::kBusyLockout;
    case ChannelField::Compander: return channel::kCompander;
    case ChannelField::BeatShift: return channel::kBeatShift;
    case ChannelField::AutodialMemory: return channel::kAutodialMemory;
    default: return std::nullopt;
    }
}

// Whether the detail editor finds the decode tone in its list, which decides
// its SP unmute and busy-channel-lockout entries. Showing writes, so on a copy.
bool decodeSet(const RadioImage& image, int n)
{
    RadioImage copy = image;
    const auto view = detail::viewChannel(copy, n, Language::English);
    return view && view->decodeSet;
}

QString entry(const QStringList& list, int value)
{
    return value >= 0 && value < list.size() ? list[value] : QString::number(value);
}

} // namespace

QString channelFieldCaption(ChannelField field, Language language)
{
    if (isGridColumn(field))
        return grid::headerTexts(language).value(static_cast<int>(field)).trimmed();
    switch (field) {
    case ChannelField::OptionSignalling: return detail::kOptionSignallingCaption.in(language);
    case ChannelField::SpUnmute: return detail::kSpUnmuteCaption.in(language);
    case ChannelField::BusyLockout: return detail::kBusyLockoutCaption.in(language);
    case ChannelField::Compander: return detail::kCompanderCaption.in(language);
    case ChannelField::BeatShift: return detail::kBeatShiftCaption.in(language);
    case ChannelField::AutodialMemory: return detail::kMemoryCaption.in(language);
    default: return {};
    }
}

QString channelFieldText(const RadioImage& image, int n, ChannelField field, Language language)
{
    if (field == ChannelField::Number)
        return QString::number(n);
    if (!channel::isValidNumber(n) || channel::isEmpty(image, n))
        return {};
    if (isGridColumn(field))
        return grid::cellText(image, n, static_cast<int>(field), language).trimmed();
    const int value = choiceValue(image, n, field);
    const int signalling = channel::field(image, n, channel::kOptionSignalling);
    switch (field) {
    case ChannelField::OptionSignalling:
        return entry(detail::optionSignallingChoices(language), value);
    case ChannelField::SpUnmute:
        return entry(detail::spUnmuteChoices(signalling, decodeSet(image, n), language), value);
    case ChannelField::BusyLockout:
        return entry(detail::busyLockoutChoices(signalling, decodeSet(image, n), language), value);
    case ChannelField::Compander:
    case ChannelField::BeatShift:
        // Check boxes in the editor; shown with its off/on texts.
        return entry(detail::pttIdChoices(language), value);
    case ChannelField::AutodialMemory:
        return entry(detail::memoryChoices(), value);
    default:
        return {};
    }
}

bool channelFieldShows(const RadioImage& image, int n, ChannelField field, const QString& text)
{
    for (const Language language : {Language::English, Language::Chinese})
        if (channelFieldText(image, n, field, language).compare(text, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isChoiceField(ChannelField field) { return field == ChannelField::Scan || bitField(field).has_value(); }

int choiceValue(const RadioImage& image, int n, ChannelField field)
{
    if (field == ChannelField::Scan)
        return channel::inScan(image, n);
    return channel::field(image, n, *bitField(field));
}

void setChoiceValue(RadioImage& image, int n, ChannelField field, int value)
{
    if (field == ChannelField::Scan)
        channel::setInScan(image, n, value != 0);
    else
        channel::setField(image, n, *bitField(field), value);
}

int choiceMaxValue(ChannelField field) { return field == ChannelField::Scan ? 1 : bitField(field)->maxValue(); }

} // namespace r5
