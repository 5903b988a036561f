#include "model/app_state.h"
#include "model/channel_record.h"
#include "model/defaults.h"

#include <gtest/gtest.h>

#include <map>

using namespace r5;

namespace {

using Row = std::array<int, 16>;

template <typename Image>
Row row(const Image& image, int r)
{
    Row values{};
    for (int c = 0; c < 16; ++c)
        values[static_cast<size_t>(c)] = image.cell(r, c);
    return values;
}

struct ChannelCase {
    int channel;
    Row uhf;
    Row vhf;
};

class FactoryChannelTest : public testing::TestWithParam<ChannelCase> {};

TEST_P(FactoryChannelTest, BuildersWriteTheFactoryRecord)
{
    RadioImage image;
    image.fill(0xFF);
    buildUhfChannels(image);
    EXPECT_EQ(row(image, GetParam().channel), GetParam().uhf);
    buildVhfChannels(image);
    EXPECT_EQ(row(image, GetParam().channel), GetParam().vhf);
}

INSTANTIATE_TEST_SUITE_P(Defaults, FactoryChannelTest, testing::Values(
    ChannelCase{1, {0x00, 0x25, 0x00, 0x40, 0x00, 0x25, 0x00, 0x40, 255, 255, 255, 255, 0x00, 0xB0, 0xB0, 0xF8},
                   {0x00, 0x25, 0x00, 0x13, 0x00, 0x25, 0x00, 0x13, 255, 255, 255, 255, 0x00, 0xBF, 0xB0, 0xF8}},
    ChannelCase{12, {0x00, 0x75, 0x01, 0x40, 0x00, 0x75, 0x01, 0x40, 0x9E, 0x02, 0x9E, 0x02, 0x00, 0xB0, 0xB0, 0xF8},
                    {0x00, 0x75, 0x01, 0x13, 0x00, 0x75, 0x01, 0x13, 0x9E, 0x02, 0x9E, 0x02, 0x00, 0xBF, 0xB0, 0xF8}},
    ChannelCase{13, {0x00, 0x75, 0x01, 0x47, 0x00, 0x75, 0x01, 0x47, 0xEC, 0xA9, 0xEC, 0xA9, 0x00, 0xB0, 0xB0, 0xF8},
                    {0x00, 0x75, 0x51, 0x13, 0x00, 0x75, 0x51, 0x13, 0xEC, 0xA9, 0xEC, 0xA9, 0x00, 0xBF, 0xB0, 0xF8}},
    ChannelCase{16, {0x00, 0x75, 0x99, 0x47, 0x00, 0x75, 0x99, 0x47, 255, 255, 255, 255, 0x00, 0x90, 0xB0, 0xF8},
                    {0x00, 0x75, 0x09, 0x15, 0x00, 0x75, 0x09, 0x15, 255, 255, 255, 255, 0x00, 0x9F, 0xB0, 0xF8}}),
    [](const testing::TestParamInfo<ChannelCase>& info) { return "channel" + std::to_string(info.param.channel); });

TEST(StartUpImage, ErasedOutsideTheChannelsAndOptions)
{
    const RadioImage image = startUpImage(kUhfModel);
    const Row options = {8, 5, 1, 0, 1, 1, 1, 0, 9, 255, 255, 255, 255, 255, 255, 255};
    Row erased;
    erased.fill(255);
    for (int r = 0; r < RadioImage::kRows; ++r)
        if (r == 0 || r > 16)
            EXPECT_EQ(row(image, r), r == 19 ? options : erased) << "row " << r;  // row 23 too: every channel scans
    for (int r = 0; r < RadioImage::kExtraRows; ++r)
        for (int c = 16; c < 22; ++c)
            EXPECT_EQ(image.extra(r, c), 0);
}

TEST(Builders, TouchOnlyChannelRows)
{
    RadioImage image = startUpImage(kUhfModel);
    for (int i = 0; i < RadioImage::kSize; ++i)
        if (i < 0x10 || i >= 0x110)
            image.setAt(i, static_cast<quint8>(i * 7));
    image.setExtra(3, 18, -5);
    for (auto build : {&buildUhfChannels, &buildVhfChannels}) {
        RadioImage built = image;
        build(built);
        for (int i = 0; i < RadioImage::kSize; ++i)
            if (i < 0x10 || i >= 0x110)
                ASSERT_EQ(built.at(i), image.at(i)) << "address " << i;
        EXPECT_EQ(built.extra(3, 18), -5);
    }
}

TEST(ModelChoice, RebuildsChannelsOnlyForAnotherModel)
{
    AppState state;
    state.image.setAt(0x012, 0x77);  // a user's edit in channel 1
    state.selectModel(kUhfModel);
    EXPECT_EQ(state.image.at(0x012), 0x77);  // confirming the current model keeps edits
    EXPECT_EQ(state.bandHigh, 521);
    state.selectModel(kVhfModel);
    EXPECT_EQ(row(state.image, 1), row(startUpImage(kVhfModel), 1));
    EXPECT_EQ(state.bandLow, 136);
    EXPECT_EQ(state.bandHigh, 175);
    state.selectModel(kFullModel);  // the wide-band model takes the UHF set
    EXPECT_EQ(row(state.image, 1), row(startUpImage(kUhfModel), 1));
    EXPECT_EQ(state.bandLow, 100);
    EXPECT_EQ(state.bandHigh, 601);
    EXPECT_EQ(state.currentModel, kFullModel);
}

TEST(ModelChoice, BandTexts)
{
    EXPECT_EQ(bandStatusText(136, 175), " 136-- 174 MHZ");
    EXPECT_EQ(bandLabelText(kVhfModel), " 136 --  175");
    EXPECT_EQ(modelIndex("sable-full"), -1);
}

TEST(defaultAdjustImage, FactoryValues)
{
    // A slip in the factory tuning block would send a radio to the bench with
    // a wrong power or squelch setting.
    const AdjustImage t = defaultAdjustImage();
    const int uniformRows[] = {60, 50, 40, 63, 30, 20, 10, 15};  // rows 0 to 7: one value per row
    for (int r = 0; r < 8; ++r) {
        Row uniform;
        uniform.fill(uniformRows[r]);
        EXPECT_EQ(row(t, r), uniform) << "row " << r;
    }
    const std::map<int, Row> rows = {
        {8, {38, 18, 19, 20, 21, 22, 24, 27, 30, 33, 48, 48, 48, 48, 48, 48}},
        {16, {63, 42, 31, 21, 7, 1, 3, 3, 10, 20, 20, 4, 106, 0, 0, 0}},
        {27, {3, 5, 0, 3, 9, 0, 0, 1}},
    };
    for (const auto& [r, expected] : rows)
        EXPECT_EQ(row(t, r), expected) << "row " << r;
    for (int r : {13, 14, 15, 18, 23, 28, 29, 30})
        EXPECT_EQ(row(t, r), Row{}) << "row " << r;
    // Row 31: the two passwords as digit characters, the rest 0.
    for (int c = 0; c < 16; ++c)
        EXPECT_TRUE(c < 12 ? QChar(t.cell(31, c)).isDigit() : t.cell(31, c) == 0) << c;
}

} // namespace
