#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"

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

FrequencyBytes bytes(quint8 c0, quint8 c1, quint8 c2, quint8 c3) { return {c0, c1, c2, c3}; }

TEST(CommitReceive, NewVhfChannelTypedAs145_5)
{
    AppState state = vhfState();
    ClearChannel(state.image, 3);
    const CommitOutcome outcome = CommitReceive(state, 3, "145.5");

    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(channel::receive(state.image, 3), bytes(0x00, 0x00, 0x55, 0x14));
    EXPECT_EQ(channel::transmit(state.image, 3), bytes(0x00, 0x00, 0x55, 0x14));
    EXPECT_TRUE(channel::decode(state.image, 3).isNone());
    EXPECT_TRUE(channel::encode(state.image, 3).isNone());
    EXPECT_EQ(state.image.cell(3, channel::kFlagsACell), 0x00);
    EXPECT_EQ(state.image.cell(3, channel::kFlagsBCell), 0xB0);
    EXPECT_EQ(state.image.cell(3, channel::kFlagsCCell), 0xB0);
    EXPECT_EQ(state.image.cell(3, channel::kFlagsDCell), 0xF8);
    EXPECT_TRUE(channel::inScan(state.image, 3));
    EXPECT_EQ(cellText(state.image, 3, kReceiveColumn, false), "145.50000");
    EXPECT_EQ(cellText(state.image, 3, kTransmitColumn, false), "145.50000");
    EXPECT_EQ(cellText(state.image, 3, kPowerColumn, false), "High");
    EXPECT_EQ(cellText(state.image, 3, kBandwidthColumn, false), "Wide");
    EXPECT_EQ(cellText(state.image, 3, kScanColumn, false), "Yes");
}

TEST(CommitReceive, OverwritesTheTransmitFrequencyAndKeepsTheRest)
{
    AppState state = vhfState();
    channel::setTransmit(state.image, 4, bytes(0x00, 0x00, 0x00, 0x15));  // 150 MHz
    const quint8 flagsB = state.image.cell(4, channel::kFlagsBCell);

    // Leaving the cell with the text it showed counts as typing it again.
    CommitReceive(state, 4, cellText(state.image, 4, kReceiveColumn, false));

    EXPECT_EQ(channel::transmit(state.image, 4), channel::receive(state.image, 4));
    EXPECT_EQ(state.image.cell(4, channel::kFlagsBCell), flagsB);
}

TEST(CommitReceive, BlankTextEmptiesTheChannel)
{
    AppState state = vhfState();
    channel::setInScan(state.image, 5, true);
    CommitReceive(state, 5, "  ");
    for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
        EXPECT_EQ(state.image.cell(5, c), 0xFF) << c;
    EXPECT_FALSE(channel::inScan(state.image, 5));
}

TEST(CommitReceive, OutOfRangeOrUnstorableTextsStoreBandLowWithTheMessage)
{
    for (const char* typed : {"100", "175.5", "145.5.3", "0145.5", "145.123456"}) {
        AppState state = vhfState();
        ClearChannel(state.image, 7);
        const CommitOutcome outcome = CommitReceive(state, 7, typed);
        ASSERT_TRUE(outcome.message) << typed;
        EXPECT_STREQ(outcome.message->en, "Over the range of receive frequency .");
        EXPECT_EQ(FreqBcdToText(channel::receive(state.image, 7)), "136.00000") << typed;
        EXPECT_EQ(FreqBcdToText(channel::transmit(state.image, 7)), "136.00000") << typed;
        EXPECT_TRUE(channel::inScan(state.image, 7)) << "a replaced entry still creates the channel";
    }
}

TEST(CommitTransmit, RefusedOnAnEmptyChannel)
{
    AppState state = vhfState();
    ClearChannel(state.image, 2);
    const RadioImage before = state.image;
    const CommitOutcome outcome = CommitTransmit(state, 2, "150");
    ASSERT_TRUE(outcome.message);
    EXPECT_STREQ(outcome.message->zh, "请先输入接收频率 ！");
    EXPECT_EQ(state.image, before);
}

TEST(CommitTransmit, InRangeKeepsTheEncodeToneOutOfRangeDropsIt)
{
    AppState state = vhfState();  // channel 12 carries 67.0 Hz tones
    const ToneCode tone = channel::encode(state.image, 12);
    ASSERT_FALSE(tone.isNone());

    EXPECT_FALSE(CommitTransmit(state, 12, "150.125").message);
    EXPECT_EQ(FreqBcdToText(channel::transmit(state.image, 12)), "150.12500");
    EXPECT_EQ(channel::encode(state.image, 12), tone);

    const CommitOutcome outcome = CommitTransmit(state, 12, "500");
    ASSERT_TRUE(outcome.message);
    EXPECT_STREQ(outcome.message->en, "Over the range of transmit frequency .");
    EXPECT_EQ(FreqBcdToText(channel::transmit(state.image, 12)), "136.00000");
    EXPECT_TRUE(channel::encode(state.image, 12).isNone());
    EXPECT_EQ(channel::decode(state.image, 12), tone);
}

TEST(CommitTransmit, BlankTextRemovesTransmitAndEncodeOnly)
{
    AppState state = vhfState();
    const FrequencyBytes receive = channel::receive(state.image, 12);
    CommitTransmit(state, 12, "");
    EXPECT_FALSE(channel::hasTransmit(state.image, 12));
    for (int c = channel::kTransmitCell; c < channel::kTransmitCell + 4; ++c)
        EXPECT_EQ(state.image.cell(12, c), 0xFF);
    EXPECT_TRUE(channel::encode(state.image, 12).isNone());
    EXPECT_FALSE(channel::decode(state.image, 12).isNone());
    EXPECT_EQ(channel::receive(state.image, 12), receive);
    EXPECT_EQ(cellText(state.image, 12, kEncodeColumn, false), "");
}

TEST(GridCommits, NothingOutsideChannels1To16)
{
    AppState state = vhfState();
    const RadioImage before = state.image;
    for (int n : {0, 17, -1}) {
        CommitReceive(state, n, "145.5");
        CommitReceive(state, n, "");
        CommitTransmit(state, n, "");
        commitToneText(state.image, n, kDecodeColumn, "88.5");
        settleEmptyChannel(state.image, n);
    }
    EXPECT_EQ(state.image, before);
}

TEST(TypedTone, NumbersNamesAndEverythingElse)
{
    using Kind = TypedTone::Kind;
    const struct {
        const char* text;
        Kind kind;
        int value;  // tenths of a hertz, or the table index
    } cases[] = {
        {"88.5", Kind::Ctcss, 885},
        {"100.3", Kind::Ctcss, 1003},   // not a standard tone, taken as it is
        {"67.0", Kind::Ctcss, 670},
        {"60", Kind::Ctcss, 600},
        {"255.9", Kind::Ctcss, 2559},
        {"256", Kind::Unknown, 0},      // the high byte would read as DCS
        {"259.9", Kind::Unknown, 0},
        {"59.9", Kind::Unknown, 0},
        {"D023N", Kind::TableEntry, 40},
        {" D754I ", Kind::TableEntry, 205},
        {"OFF", Kind::TableEntry, 0},
        {"D999N", Kind::Unknown, 0},
        {"", Kind::Unknown, 0},
        {"None", Kind::Unknown, 0},
    };
    for (const auto& c : cases) {
        const TypedTone tone = typedTone(c.text);
        EXPECT_EQ(tone.kind, c.kind) << c.text;
        if (c.kind == Kind::Ctcss)
            EXPECT_EQ(tone.code.value(), c.value) << c.text;
        if (c.kind == Kind::TableEntry)
            EXPECT_EQ(tone.tableIndex, c.value) << c.text;
    }
}

TEST(CommitToneText, DecodeIsCopiedToEncodeEncodeStandsAlone)
{
    AppState state = vhfState();
    commitToneText(state.image, 3, kDecodeColumn, "88.5");
    EXPECT_EQ(channel::decode(state.image, 3), (ToneCode{0x75, 0x03}));
    EXPECT_EQ(channel::encode(state.image, 3), (ToneCode{0x75, 0x03}));
    EXPECT_EQ(cellText(state.image, 3, kDecodeColumn, false), "88.5");

    commitToneText(state.image, 3, kEncodeColumn, "D023N");
    EXPECT_EQ(channel::encode(state.image, 3), (ToneCode{0x13, 0x28}));
    EXPECT_EQ(channel::decode(state.image, 3), (ToneCode{0x75, 0x03}));

    commitToneText(state.image, 3, kDecodeColumn, "100.3");
    EXPECT_EQ(cellText(state.image, 3, kDecodeColumn, false), "100.3");
    EXPECT_EQ(channel::encode(state.image, 3).value(), 1003);

    const RadioImage before = state.image;
    commitToneText(state.image, 3, kDecodeColumn, "D9");
    commitToneText(state.image, 3, kDecodeColumn, "");
    EXPECT_EQ(state.image, before);

    commitToneText(state.image, 3, kDecodeColumn, "OFF");
    EXPECT_TRUE(channel::decode(state.image, 3).isNone());
    EXPECT_TRUE(channel::encode(state.image, 3).isNone());
}

TEST(KeyFilters, ToneCharacters)
{
    EXPECT_EQ(toneKey('d'), QChar('D'));
    EXPECT_EQ(toneKey('n'), QChar('N'));
    EXPECT_EQ(toneKey('I'), QChar('I'));
    EXPECT_EQ(toneKey('7'), QChar('7'));
    EXPECT_EQ(toneKey('.'), QChar('.'));
    for (QChar ignored : {QChar('x'), QChar('O'), QChar(' '), QChar('-')})
        EXPECT_FALSE(toneKey(ignored)) << ignored.toLatin1();
}

TEST(EnterMove, FollowsTheLineAndStaysOnLine16)
{
    const struct {
        CellPosition from;
        bool lineEmpty;
        CellPosition to;
    } cases[] = {
        {{5, kReceiveColumn}, false, {5, kTransmitColumn}},
        {{5, kTransmitColumn}, false, {5, kDecodeColumn}},
        {{5, kTransmitColumn}, true, {6, kReceiveColumn}},
        {{16, kTransmitColumn}, true, {16, kReceiveColumn}},
        {{5, kDecodeColumn}, false, {5, kEncodeColumn}},
        {{5, kScramblerColumn}, false, {5, kPttIdColumn}},
        {{5, kPttIdColumn}, false, {6, kReceiveColumn}},
        {{16, kPttIdColumn}, false, {16, kReceiveColumn}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(enterMove(c.from, c.lineEmpty), c.to) << c.from.line << "/" << c.from.column;
}

TEST(EditableCells, FrequenciesAlwaysOthersNeedTheChannel)
{
    AppState state = vhfState();
    ClearChannel(state.image, 1);
    channel::clearTransmit(state.image, 2);
    EXPECT_TRUE(isEditableCell(state.image, 1, kReceiveColumn));
    EXPECT_TRUE(isEditableCell(state.image, 1, kTransmitColumn));
    EXPECT_FALSE(isEditableCell(state.image, 1, kDecodeColumn));
    EXPECT_FALSE(isEditableCell(state.image, 1, kNumberColumn));
    EXPECT_TRUE(isEditableCell(state.image, 2, kDecodeColumn));
    EXPECT_FALSE(isEditableCell(state.image, 2, kEncodeColumn));  // no transmit frequency
    EXPECT_TRUE(isEditableCell(state.image, 3, kEncodeColumn));
    EXPECT_TRUE(isEditableCell(state.image, 3, kPttIdColumn));
    EXPECT_FALSE(isEditableCell(state.image, 3, kColumnCount));
}

TEST(GridButtons, DefaultSetByModelAndClear)
{
    const struct {
        int model;
        const char* channel1;
    } cases[] = {{kVhfModel, "130.02500"}, {kUhfModel, "400.02500"}, {kFullModel, "130.02500"}};
    for (const auto& c : cases) {
        RadioImage image;
        fillImage(image);
        image.setCell(channel::kScanRow, channel::kScanFirstCell, 0x05);
        applyDefaultChannels(image, c.model);
        EXPECT_EQ(cellText(image, 1, kReceiveColumn, false), c.channel1) << c.model;
        EXPECT_EQ(image.cell(channel::kScanRow, channel::kScanFirstCell), 0x05) << "scan bits are kept";
    }

    AppState state;
    RadioImage expected = state.image;
    clearAllChannels(state.image);
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        EXPECT_TRUE(channel::isEmpty(state.image, n));
        EXPECT_FALSE(channel::inScan(state.image, n));
        for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
            expected.setCell(n, c, 0xFF);
    }
    expected.setCell(channel::kScanRow, channel::kScanFirstCell, 0);
    expected.setCell(channel::kScanRow, channel::kScanFirstCell + 1, 0);
    EXPECT_EQ(state.image, expected) << "only the channels and their scan bits change";
}

TEST(RowDisplay, RawValuesWithoutAListEntryStillShow)
{
    AppState state = vhfState();
    channel::setField(state.image, 6, channel::kScrambler, 0x0F);
    EXPECT_EQ(cellText(state.image, 6, kScramblerColumn, false), "15");
    channel::setDecode(state.image, 6, ToneCode{0x12, 0x2C});  // a DCS code the table lacks
    EXPECT_EQ(cellText(state.image, 6, kDecodeColumn, false), "");

    state.image.setCell(8, channel::kReceiveCell, 0xFF);  // erased receive, other bytes left over
    EXPECT_TRUE(settleEmptyChannel(state.image, 8));
    for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
        EXPECT_EQ(state.image.cell(8, c), 0xFF);
    EXPECT_FALSE(settleEmptyChannel(state.image, 9));
}

} // namespace
