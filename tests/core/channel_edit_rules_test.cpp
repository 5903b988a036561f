// Grid commits the window tests reach one case at a time: refused channel
// numbers, typed-tone boundaries, Enter moves, and what the transmit commits
// do to the encode tone.
#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::grid;

namespace {

AppState vhfState()
{
    AppState state;
    state.selectModel(kVhfModel);  // band 136 to 175, the VHF channel set
    return state;
}

TEST(GridCommits, NothingOutsideChannels1To16)
{
    AppState state = vhfState();
    const RadioImage before = state.image;
    for (int n : {0, 17}) {
        commitReceive(state, n, "145.5");
        commitTransmit(state, n, "");
        commitToneText(state.image, n, kDecodeColumn, "88.5");
        settleEmptyChannel(state.image, n);
        EXPECT_FALSE(isEditableCell(state.image, n, kReceiveColumn));
    }
    EXPECT_EQ(state.image, before);
}

TEST(commitTransmit, InRangeKeepsTheEncodeToneOutOfRangeDropsIt)
{
    AppState state = vhfState();  // channel 12 carries 67.0 Hz tones
    EXPECT_FALSE(commitTransmit(state, 12, "150.125").message);
    EXPECT_EQ(bytesAt(state.image, 0xC4, 8), "00 25 01 15 9e 02 9e 02");

    const CommitOutcome outcome = commitTransmit(state, 12, "500");
    ASSERT_TRUE(outcome.message);
    EXPECT_STREQ(outcome.message->en, "Over the range of transmit frequency .");
    EXPECT_EQ(bytesAt(state.image, 0xC4, 8), "00 00 60 13 9e 02 ff ff");  // 136 MHz, no encode tone
}

TEST(commitReceive, AHalfErasedRecordStartsClean)
{
    AppState state = vhfState();
    state.image.setAt(0x80, 0xFF);  // as a radio may hold it
    commitReceive(state, 8, "150");
    EXPECT_EQ(state.image.at(0x8D), channel::kNewFlagsBGrid);
    EXPECT_EQ(state.image.at(0x88), 0xFF);
    EXPECT_EQ(channel::transmit(state.image, 8), channel::receive(state.image, 8));
    const CommitOutcome outcome = commitReceive(state, 8, "100");
    ASSERT_TRUE(outcome.message);
    EXPECT_STREQ(outcome.message->en, "Over the range of receive frequency .");
    EXPECT_EQ(bytesAt(state.image, 0x80, 4), "00 00 60 13");  // the band's low end
}

TEST(TypedTone, NumbersNamesAndEverythingElse)
{
    using Kind = TypedTone::Kind;
    // The value is tenths of a hertz, or the table index; 100.3 Hz is no
    // standard tone but is taken as it is.
    for (const auto& [text, kind, value] : {std::tuple{"100.3", Kind::Ctcss, 1003},
                                            {"60", Kind::Ctcss, 600}, {"255.9", Kind::Ctcss, 2559},
                                            {"256", Kind::Unknown, 0},  // the high byte would read as DCS
                                            {"59.9", Kind::Unknown, 0}, {" D754I ", Kind::TableEntry, 205},
                                            {"OFF", Kind::TableEntry, 0}, {"D999N", Kind::Unknown, 0}}) {
        const TypedTone tone = typedTone(text);
        EXPECT_EQ(tone.kind, kind) << text;
        if (kind == Kind::Ctcss)
            EXPECT_EQ(tone.code.value(), value) << text;
        if (kind == Kind::TableEntry)
            EXPECT_EQ(tone.tableIndex, value) << text;
    }
}

// The moves on from the receive, scrambler, decode and PTT ID columns are the
// window test's.
TEST(EnterMove, FromTransmitFollowsTheLineAndStaysOnLine16)
{
    EXPECT_EQ(enterMove({5, kTransmitColumn}, false), (CellPosition{5, kDecodeColumn}));
    EXPECT_EQ(enterMove({5, kTransmitColumn}, true), (CellPosition{6, kReceiveColumn}));
    EXPECT_EQ(enterMove({16, kTransmitColumn}, true), (CellPosition{16, kReceiveColumn}));
}

TEST(GridButtons, ClearChangesOnlyTheChannelsAndTheirScanBits)
{
    AppState state;
    RadioImage expected = state.image;
    clearAllChannels(state.image);
    for (int a = 0x010; a < 0x110; ++a)
        expected.setAt(a, 0xFF);
    expected.setAt(0x17E, 0);
    expected.setAt(0x17F, 0);
    EXPECT_EQ(state.image, expected);
}

} // namespace
