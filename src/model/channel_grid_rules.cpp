#include "model/channel_grid_rules.h"

#include "model/channel_record.h"
#include "model/text.h"

namespace r5::grid {
namespace {

constexpr Text kHeader{
    "^ 信道号 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|^扫描添加|^ 扰频 |^ PTT-ID",
    "^ Channel |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^  W/N  |^Scan_Add|^ OptSingal |^ PTT-ID",
};
constexpr Text kTitle{"信道参数编辑 [ 信道 - ", "Channel Information [ Channel - "};

constexpr Text kNone{"无", "None"};
constexpr Text kHigh{"高", "High"};
constexpr Text kLow{"低", "Low"};
constexpr Text kNarrow{"窄带", "Narrow"};
constexpr Text kWide{"宽带", "Wide"};
constexpr Text kYes{"有", "Yes"};
constexpr Text kOff{"关", "OFF"};
constexpr Text kOn{"开", "ON"};

QString onOff(int bit, Language language) { return (bit ? kOn : kOff).in(language); }

} // namespace

QString headerFormat(Language language) { return kHeader.in(language); }

QStringList headerTexts(Language language)
{
    QStringList texts = headerFormat(language).split('|');
    for (QString& text : texts)
        text.remove('^');
    return texts;
}

QString windowTitle(int currentChannel, Language language)
{
    return kTitle.in(language) + " " + QString::number(currentChannel) + " ]";
}

QString toneText(ToneCode code, Language language)
{
    if (code.isNone())
        return kNone.in(language);
    if (code.isCtcss())
        return QString::number(code.value() / 10) + "." + QString::number(code.value() % 10);
    const auto index = ToneTable::indexOf(code);
    return index ? ToneTable::paddedName(*index) : QString();
}

QString cellText(const RadioImage& image, int n, int column, Language language)
{
    if (channel::isEmpty(image, n))
        return {};
    const bool transmit = channel::hasTransmit(image, n);
    switch (column) {
    case kNumberColumn:
        return QString::number(n);
    case kReceiveColumn:
        return frequencyText(channel::receive(image, n));
    case kTransmitColumn:
        return transmit ? frequencyText(channel::transmit(image, n)) : QString();
    case kDecodeColumn:
        return toneText(channel::decode(image, n), language);
    case kEncodeColumn:
        return transmit ? toneText(channel::encode(image, n), language) : QString();
    case kPowerColumn:
        return (channel::field(image, n, channel::kHighPower) ? kHigh : kLow).in(language);
    case kBandwidthColumn:
        return (channel::field(image, n, channel::kWide) ? kWide : kNarrow).in(language);
    case kScanColumn:
        return (channel::inScan(image, n) ? kYes : kNone).in(language);
    case kScramblerColumn: {
        const int scrambler = channel::field(image, n, channel::kScrambler);
        return scrambler == 0 ? kOff.in(language) : QString::number(scrambler);
    }
    case kPttIdColumn:
        return onOff(channel::field(image, n, channel::kPttId), language);
    default:
        return {};
    }
}

QStringList choices(int column, Language language)
{
    QStringList list;
    switch (column) {
    case kDecodeColumn:
    case kEncodeColumn:
        list << kNone.in(language);
        for (int i = ToneTable::kFirstCtcss; i < ToneTable::kCount; ++i)
            list << ToneTable::trimmedName(i);
        break;
    case kPowerColumn:
        list << kHigh.in(language) << kLow.in(language);
        break;
    case kBandwidthColumn:
        list << kNarrow.in(language) << kWide.in(language);
        break;
    case kScanColumn:
        list << kYes.in(language) << kNone.in(language);
        break;
    case kScramblerColumn:
        list << kOff.in(language);
        for (int i = 1; i <= kScramblerChoices; ++i)
            list << QString::number(i);
        break;
    case kPttIdColumn:
        list << kOff.in(language) << kOn.in(language);
        break;
    default:
        break;
    }
    return list;
}

void applyChoice(RadioImage& image, int n, int column, int position)
{
    switch (column) {
    case kDecodeColumn:
        channel::setDecode(image, n, ToneTable::code(position));
        channel::setEncode(image, n, ToneTable::code(position));
        break;
    case kEncodeColumn:
        channel::setEncode(image, n, ToneTable::code(position));
        break;
    case kPowerColumn:
        channel::setField(image, n, channel::kHighPower, position == 0 ? 1 : 0);
        break;
    case kBandwidthColumn:
        channel::setField(image, n, channel::kWide, position);
        break;
    case kScanColumn:
        channel::setInScan(image, n, position == 0);
        break;
    case kScramblerColumn:
        channel::setField(image, n, channel::kScrambler, position);
        break;
    case kPttIdColumn:
        channel::setField(image, n, channel::kPttId, position);
        break;
    default:
        break;
    }
}

} // namespace r5::grid
