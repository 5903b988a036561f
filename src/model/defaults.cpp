#include "model/defaults.h"

#include "model/channel_record.h"
#include "model/radio_models.h"

#include <QString>

namespace r5 {
namespace {

struct ChannelPlan {
    const char* uhf;
    const char* vhf;
};

// Receive and transmit frequency of channels 1 to 16 in each factory set.
constexpr std::array<ChannelPlan, channel::kCount> kFactoryChannels = {{
    {"400.025", "130.025"}, {"410.025", "135.025"}, {"420.025", "140.025"},
    {"430.025", "145.025"}, {"440.025", "150.025"}, {"450.025", "155.025"},
    {"460.025", "160.025"}, {"479.975", "165.975"}, {"400.025", "170.025"},
    {"440.025", "175.025"}, {"479.975", "179.975"}, {"400.175", "130.175"},
    {"470.175", "135.175"}, {"400.025", "140.025"}, {"440.025", "145.025"},
    {"479.975", "150.975"},
}};

constexpr int kToneDemoChannel = 12;  // 67.0 Hz both ways
constexpr int kDcsDemoChannel = 13;   // D754I both ways
constexpr ToneCode kD754I{0xEC, 0xA9};
constexpr int kFirstLowPowerChannel = 14;  // 14 to 16: low power (flags B bit 5 clear)

void buildChannels(RadioImage& image, bool uhf)
{
    const quint8 flagsB = uhf ? 0xB0 : 0xBF;
    const quint8 lowPowerFlagsB = uhf ? 0x90 : 0x9F;
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        const int row = channel::row(n);
        for (int c = 0; c < 8; ++c)
            image.setCell(row, c, 0);
        for (int c = channel::kDecodeCell; c < channel::kFlagsACell; ++c)
            image.setCell(row, c, 0xFF);
        image.setCell(row, channel::kFlagsACell, 0x00);
        image.setCell(row, channel::kFlagsBCell, n >= kFirstLowPowerChannel ? lowPowerFlagsB : flagsB);
        image.setCell(row, channel::kFlagsCCell, 0xB0);
        image.setCell(row, channel::kFlagsDCell, 0xF8);

        const auto& plan = kFactoryChannels[static_cast<size_t>(n - 1)];
        const FrequencyBytes frequency = frequencyBytes(QString::fromLatin1(uhf ? plan.uhf : plan.vhf));
        channel::setReceive(image, n, frequency);
        channel::setTransmit(image, n, frequency);
    }
    const ToneCode tone67 = *toneCodeOf("67.0");
    channel::setDecode(image, kToneDemoChannel, tone67);
    channel::setEncode(image, kToneDemoChannel, tone67);
    channel::setDecode(image, kDcsDemoChannel, kD754I);
    channel::setEncode(image, kDcsDemoChannel, kD754I);
}

void setRow(AdjustImage& table, int row, std::initializer_list<int> values)
{
    int cell = 0;
    for (int v : values)
        table.setCell(row, cell++, static_cast<quint8>(v));
}

void setPassword(AdjustImage& table, int firstCell, const char* digits)
{
    for (int i = 0; i < 6; ++i)
        table.setCell(31, firstCell + i, static_cast<quint8>(digits[i]));
}

} // namespace

void fillImage(RadioImage& image) { image.fill(RadioImage::kErased); }

void buildUhfChannels(RadioImage& image) { buildChannels(image, true); }
void buildVhfChannels(RadioImage& image) { buildChannels(image, false); }

AdjustImage defaultAdjustImage()
{
    AdjustImage t;
    t.fill(0);
    const int powerDefaults[8] = {60, 50, 40, 63, 30, 20, 10, 15};  // rows 0-3 high, 4-7 low power
    for (int row = 0; row < 8; ++row)
        for (int c = 0; c < 16; ++c)
            t.setCell(row, c, static_cast<quint8>(powerDefaults[row]));
    setRow(t, 8, {38, 18, 19, 20, 21, 22, 24, 27, 30, 33, 48, 48, 48, 48, 48, 48});
    setRow(t, 9, {6, 6, 6, 8, 8, 8, 8, 8, 8, 7, 5, 5, 5, 5, 5, 5});
    setRow(t, 10, {6, 6, 6, 6, 6, 6, 4, 4, 4, 3, 2, 1, 1, 1, 1, 1});
    setRow(t, 11, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2});
    setRow(t, 12, {2, 3, 3, 2, 2, 1});
    setRow(t, 16, {63, 42, 31, 21, 7, 1, 3, 3, 10, 20, 20, 4, 106, 0, 0, 0});
    setRow(t, 17, {5, 7, 7, 7, 7, 7, 10, 6, 7, 1});
    // Frequency ranges 0 to 3: lower and upper limit as hundreds, tens, units
    // of MHz, then cell 7 = transmit allowed.
    setRow(t, 24, {1, 3, 0, 1, 7, 9, 0, 1});
    setRow(t, 25, {2, 0, 0, 2, 7, 0, 0, 1});
    setRow(t, 26, {4, 0, 0, 4, 8, 0, 0, 1});
    setRow(t, 27, {3, 5, 0, 3, 9, 0, 0, 1});
    setPassword(t, 0, kDefaultUserPassword);
    setPassword(t, 6, kDefaultSuperPassword);
    return t;
}

RadioImage startUpImage(int model)
{
    RadioImage image;
    fillImage(image);
    for (int c = 0; c < static_cast<int>(kOptionStartValues.size()); ++c)
        image.setCell(kOptionRow, c, kOptionStartValues[static_cast<size_t>(c)]);
    if (model == kUhfModel)
        buildUhfChannels(image);
    else
        buildVhfChannels(image);
    return image;
}

} // namespace r5
