#include "model/channel_detail_rules.h"

#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_input.h"
#include "model/tone_table.h"

namespace r5::detail {
namespace {

constexpr Text kNoTone{"无", "None"};
constexpr Text kDtmf{"DTMF", "DTMF"};
constexpr Text kFleetSync{"FleetSync", "FleetSync"};
constexpr Text kHigh{"高", "High"};
constexpr Text kLow{"低", "Low"};
constexpr Text kNarrow{"窄带", "Narrow"};
constexpr Text kWide{"宽带", "Wide"};
constexpr Text kOff{"关", "Off"};
constexpr Text kOn{"开", "On"};
constexpr int kMemoryChoices = 8;

// The lists the window starts with, before any channel is shown.
constexpr Text kInitialSpUnmute[] = {
    {"载波", "Carrier"}, {"载波 + 可选信令", "Carrier + Opt.Sig"}, {"载波或可选信令", "Carrier or Opt.Sig"}};
constexpr Text kInitialBusyLockout[] = {
    {"关", "Off"}, {"载波", "Carrier"}, {"可选信令", "Option Signalling"}};

// The lists a shown channel gets. Squelch opens on the carrier or, when the
// channel decodes a tone, on that tone; option signalling adds its variants.
constexpr Text kSpCarrier[] = {
    {"载波", "Carrier"}, {"载波 + 可选信令", "Carrier+ Opt.Sig"}, {"载波或可选信令", "Carrier or Opt.Sig"}};
constexpr Text kSpTone[] = {
    {"QT/DQT", "QT/DQT"}, {"QT/DQT + 可选信令", "QT/DQT+ Opt.Sig"}, {"QT/DQT 或可选信令", "QT/DQT or Opt.Sig"}};
constexpr Text kBclOff{"关", "Off"};
constexpr Text kBclCarrier{"载波", "Carrier"};
constexpr Text kBclOptionSignalling{"可选信令", "Option Signalling"};
constexpr Text kBclTone{"QT/DQT", "QT/DQT"};
// The four-entry list has always spelled its tone entry this way in English.
constexpr Text kBclToneWithSignalling{"QT/DQT", "QT/DQY"};

template <size_t N>
QStringList texts(const Text (&entries)[N], Language language, size_t count = N)
{
    QStringList list;
    for (size_t i = 0; i < count && i < N; ++i)
        list << entries[i].in(language);
    return list;
}

Selection select(int stored, int listSize)
{
    if (stored >= 0 && stored < listSize)
        return {stored, {}};
    return {-1, QString::number(stored)};
}

// A tone list's selection for a stored pair; `found` tells whether the pair is
// an entry of the table other than "no tone".
Selection toneSelection(ToneCode code, Language language, bool* found)
{
    *found = false;
    if (code.low == RadioImage::kErased)
        return {ToneTable::kOff, {}};
    if (const auto index = ToneTable::indexOf(code)) {
        *found = true;
        return {*index, {}};
    }
    QString raw = grid::toneText(code, language).trimmed();
    if (raw.isEmpty())
        raw = QString("%1").arg(code.value(), 4, 16, QChar('0')).toUpper();
    return {-1, raw};
}

} // namespace

void applyDetailChoice(RadioImage& image, int n, Field field, int position)
{
    if (!channel::isValidNumber(n) || position < 0)
        return;
    switch (field) {
    case Field::Decode:
        if (position < ToneTable::kCount)
            channel::setDecode(image, n, ToneTable::code(position));
        break;
    case Field::Encode:
        if (position < ToneTable::kCount)
            channel::setEncode(image, n, ToneTable::code(position));
        break;
    case Field::OptionSignalling:
        channel::setField(image, n, channel::kOptionSignalling, position);
        break;
    case Field::SpUnmute:
        channel::setField(image, n, channel::kSpUnmute, position);
        break;
    case Field::BusyLockout:
        channel::setField(image, n, channel::kBusyLockout, position);
        break;
    case Field::Power:
        channel::setField(image, n, channel::kHighPower, position == 0 ? 1 : 0);
        break;
    case Field::Bandwidth:
        channel::setField(image, n, channel::kWide, position);
        break;
    case Field::PttId:
        channel::setField(image, n, channel::kPttId, position);
        break;
    case Field::Memory:
        channel::setField(image, n, channel::kAutodialMemory, position);
        break;
    case Field::Compander:
        channel::setField(image, n, channel::kCompander, position != 0);
        break;
    case Field::BeatShift:
        channel::setField(image, n, channel::kBeatShift, position != 0);
        break;
    case Field::ScanAdd:
        channel::setInScan(image, n, position != 0);
        break;
    }
}

bool reshowsChannel(Field field) { return field == Field::Decode || field == Field::OptionSignalling; }

QStringList toneChoices(Language language)
{
    QStringList list;
    // The English list has always offered the table's own "OFF" first.
    list << (language == Language::Chinese ? kNoTone.in(language) : ToneTable::trimmedName(ToneTable::kOff));
    for (int i = ToneTable::kFirstCtcss; i < ToneTable::kCount; ++i)
        list << ToneTable::trimmedName(i);
    return list;
}

QStringList optionSignallingChoices(Language language)
{
    return {kNoTone.in(language), kDtmf.in(language), kFleetSync.in(language)};
}

QStringList powerChoices(Language language) { return {kHigh.in(language), kLow.in(language)}; }
QStringList bandwidthChoices(Language language) { return {kNarrow.in(language), kWide.in(language)}; }
QStringList pttIdChoices(Language language) { return {kOff.in(language), kOn.in(language)}; }

QStringList memoryChoices()
{
    QStringList list;
    for (int i = 1; i <= kMemoryChoices; ++i)
        list << QString::number(i);
    return list;
}

QStringList initialSpUnmuteChoices(Language language) { return texts(kInitialSpUnmute, language); }
QStringList initialBusyLockoutChoices(Language language) { return texts(kInitialBusyLockout, language); }

QStringList spUnmuteChoices(int optionSignalling, bool decodeSet, Language language)
{
    // Without option signalling only the first entry (carrier or tone) applies.
    const size_t count = optionSignalling == 0 ? 1 : 3;
    return decodeSet ? texts(kSpTone, language, count) : texts(kSpCarrier, language, count);
}

QStringList busyLockoutChoices(int optionSignalling, bool decodeSet, Language language)
{
    QStringList list{kBclOff.in(language), kBclCarrier.in(language)};
    if (optionSignalling == 0) {
        if (decodeSet)
            list << kBclTone.in(language);
    } else {
        if (decodeSet)
            list << kBclToneWithSignalling.in(language);
        list << kBclOptionSignalling.in(language);
    }
    return list;
}

std::optional<DetailView> viewChannel(RadioImage& image, int n, Language language)
{
    if (!channel::isValidNumber(n) || channel::isEmpty(image, n))
        return std::nullopt;

    DetailView view;
    view.receiveText = frequencyText(channel::receive(image, n));

    view.decode = toneSelection(channel::decode(image, n), language, &view.decodeSet);
    if (view.decode.position == ToneTable::kOff)
        applyDetailChoice(image, n, Field::Decode, ToneTable::kOff);

    view.hasTransmit = channel::hasTransmit(image, n);
    if (view.hasTransmit) {
        view.transmitText = frequencyText(channel::transmit(image, n));
        bool known = false;
        view.encode = toneSelection(channel::encode(image, n), language, &known);
    } else {
        view.encode = {ToneTable::kOff, {}};
    }
    if (view.encode.position == ToneTable::kOff)
        applyDetailChoice(image, n, Field::Encode, ToneTable::kOff);

    view.powerPosition = channel::field(image, n, channel::kHighPower) ? 0 : 1;
    view.bandwidthPosition = channel::field(image, n, channel::kWide);
    view.beatShift = channel::field(image, n, channel::kBeatShift);

    const int signalling = channel::field(image, n, channel::kOptionSignalling);
    view.optionSignalling = select(signalling, static_cast<int>(optionSignallingChoices(language).size()));

    view.spUnmuteChoices = spUnmuteChoices(signalling, view.decodeSet, language);
    view.busyLockoutChoices = busyLockoutChoices(signalling, view.decodeSet, language);
    if (signalling == 0) {
        // One entry only: squelch opens on carrier or tone, nothing else.
        view.spUnmute = {0, {}};
        applyDetailChoice(image, n, Field::SpUnmute, 0);
    } else {
        view.spUnmute = select(channel::field(image, n, channel::kSpUnmute),
                               static_cast<int>(view.spUnmuteChoices.size()));
    }
    view.busyLockout = select(channel::field(image, n, channel::kBusyLockout),
                              static_cast<int>(view.busyLockoutChoices.size()));

    view.compander = channel::field(image, n, channel::kCompander);
    view.pttIdPosition = channel::field(image, n, channel::kPttId);
    view.memoryPosition = channel::field(image, n, channel::kAutodialMemory);
    view.scanAdd = channel::inScan(image, n);
    return view;
}

void viewEmptyChannel(RadioImage& image, int n, bool scanAddWasTicked)
{
    if (!channel::isValidNumber(n))
        return;
    if (scanAddWasTicked)
        channel::setInScan(image, n, false);
    for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
        image.setCell(channel::row(n), c, RadioImage::kErased);
}

ReceiveCommit commitReceiveBox(AppState& state, int n, const QString& boxText)
{
    ReceiveCommit commit;
    if (!channel::isValidNumber(n))
        return commit;
    if (withoutBlanks(boxText).isEmpty()) {
        clearChannel(state.image, n);  // the scan-add box showed this channel's bit
        commit.result = ReceiveCommit::Result::Emptied;
        return commit;
    }
    const CheckedFrequency entry = checkFrequencyEntry(boxText, state.bandLow, state.bandHigh);
    commit.boxText = boxText;
    if (entry.replaced) {
        commit.message = kReceiveOutOfRange;
        commit.boxText = entry.text;
    }
    const FrequencyBytes bytes = frequencyBytes(entry.text, state.twoDigitMegahertz());
    if (!channel::isEmpty(state.image, n)) {
        channel::setReceive(state.image, n, bytes);
        commit.result = ReceiveCommit::Result::Stored;
        return commit;
    }
    // A new channel has no transmit frequency until the user gives one.
    clearChannel(state.image, n);
    channel::setReceive(state.image, n, bytes);
    startNewChannel(state.image, n, channel::kNewFlagsBDetail);
    commit.result = ReceiveCommit::Result::Created;
    return commit;
}

TransmitCommit commitTransmitBox(AppState& state, int n, const QString& boxText)
{
    TransmitCommit commit;
    commit.boxText = boxText;
    if (!channel::isValidNumber(n) || channel::isEmpty(state.image, n))
        return commit;
    if (withoutBlanks(boxText).isEmpty()) {
        channel::clearTransmit(state.image, n);
        return commit;
    }
    const CheckedFrequency entry = checkFrequencyEntry(boxText, state.bandLow, state.bandHigh);
    if (entry.replaced) {
        commit.message = kTransmitRangeMessage;
        commit.boxText = entry.text;
    }
    channel::setTransmit(state.image, n, frequencyBytes(entry.text, state.twoDigitMegahertz()));
    commit.hasTransmit = true;
    return commit;
}

} // namespace r5::detail
