#include "model/app_state.h"
#include "model/channel_record.h"
#include "model/defaults.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(Defaults, BuildersWriteTheFactoryRecords)
{
    const struct {
        int channel;
        const char* uhf;
        const char* vhf;
    } cases[] = {
        {1, "00 25 00 40 00 25 00 40 ff ff ff ff 00 b0 b0 f8", "00 25 00 13 00 25 00 13 ff ff ff ff 00 bf b0 f8"},
        // Channel 12's and 13's tones are read in the grid-edit and detail-window tests.
        {16, "00 75 99 47 00 75 99 47 ff ff ff ff 00 90 b0 f8", "00 75 09 15 00 75 09 15 ff ff ff ff 00 9f b0 f8"},
    };
    RadioImage image;
    image.fill(0xFF);
    for (const auto& c : cases) {
        buildUhfChannels(image);
        EXPECT_EQ(bytesAt(image, c.channel * 16, 16), c.uhf) << c.channel;
        buildVhfChannels(image);
        EXPECT_EQ(bytesAt(image, c.channel * 16, 16), c.vhf) << c.channel;
    }
}

// Outside the channel rows the start-up image is erased but for the options
// (row 19, whose values are their own table); the builders touch nothing
// there, not even the file's extra cells.
TEST(Defaults, StartUpImageIsErasedOutsideTheChannelsAndOptions)
{
    const RadioImage image = startUpImage(kUhfModel);
    EXPECT_EQ(bytesAt(image, 0, 16), hexOf(QByteArray(16, '\xFF')));
    EXPECT_EQ(bytesAt(image, 0x110, 0x20), hexOf(QByteArray(0x20, '\xFF')));
    EXPECT_EQ(bytesAt(image, 0x140, 0x2C0), hexOf(QByteArray(0x2C0, '\xFF')));  // row 23 too: every channel scans
    for (int r = 0; r < RadioImage::kExtraRows; ++r)
        for (int c = 16; c < 22; ++c)
            ASSERT_EQ(image.extra(r, c), 0);

    RadioImage marked = image;
    for (int i = 0; i < RadioImage::kSize; ++i)
        if (i < 0x10 || i >= 0x110)
            marked.setAt(i, static_cast<quint8>(i * 7));
    marked.setExtra(3, 18, -5);
    for (auto build : {&buildUhfChannels, &buildVhfChannels}) {
        RadioImage built = marked;
        build(built);
        EXPECT_EQ(bytesAt(built, 0, 16) + bytesAt(built, 0x110, 0x2F0), bytesAt(marked, 0, 16) + bytesAt(marked, 0x110, 0x2F0));
        EXPECT_EQ(built.extra(3, 18), -5);
    }
}

TEST(Defaults, ModelChoiceRebuildsChannelsOnlyForAnotherModel)
{
    AppState state;
    state.image.setAt(0x012, 0x77);  // a user's edit in channel 1
    state.selectModel(kUhfModel);
    EXPECT_EQ(state.image.at(0x012), 0x77);  // confirming the current model keeps edits
    state.selectModel(kVhfModel);
    EXPECT_EQ(bytesAt(state.image, 0x10, 16), bytesAt(startUpImage(kVhfModel), 0x10, 16));
    EXPECT_EQ(std::pair(state.bandLow, state.bandHigh), std::pair(136.0, 175.0));
    state.selectModel(kFullModel);  // the wide-band model takes the UHF set
    EXPECT_EQ(bytesAt(state.image, 0x10, 16), bytesAt(startUpImage(kUhfModel), 0x10, 16));
    EXPECT_EQ(state.currentModel, kFullModel);
    EXPECT_EQ(bandStatusText(136, 175), " 136-- 174 MHZ");
    EXPECT_EQ(bandLabelText(kVhfModel), " 136 --  175");
    EXPECT_EQ(modelIndex("sable-full"), -1);
}

// The factory tuning block's values are its own table; here only that they
// land in their rows: the unused rows stay 0, row 31 holds the two passwords.
TEST(Defaults, FactoryTuningBlockRows)
{
    const AdjustImage t = defaultAdjustImage();
    for (int r : {13, 14, 15, 18, 23, 28, 29, 30})
        EXPECT_EQ(bytesAt(t, r * 16, 16), hexOf(QByteArray(16, '\0'))) << r;
    for (int c = 0; c < 16; ++c)
        EXPECT_TRUE(c < 12 ? QChar(t.cell(31, c)).isDigit() : t.cell(31, c) == 0) << c;
}

} // namespace
