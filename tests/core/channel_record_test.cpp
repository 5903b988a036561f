#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(BitFields, WriteKeepsTheOtherBits)
{
    struct Case {
        BitField field;
        int value;
        quint8 before;
        quint8 after;
    };
    const Case cases[] = {
        {channel::kCompander, 1, 0x80, 0x81},
        {channel::kOptionSignalling, 2, 0xFF, 0xFD},
        {channel::kBusyLockout, 3, 0x00, 0x18},
        {channel::kSpUnmute, 1, 0x9F, 0xBF},
        {channel::kScrambler, 8, 0xBF, 0xB8},
        {channel::kWide, 0, 0xBF, 0xAF},
        {channel::kHighPower, 0, 0xB0, 0x90},
        {channel::kBeatShift, 1, 0x80, 0xC0},
        {channel::kPttId, 1, 0xB0, 0xB1},
        {channel::kAutodialMemory, 7, 0xF8, 0xFF},
        {channel::kAutodialMemory, 9, 0xF8, 0xF9},  // too wide a value never spills into other bits
    };
    for (const Case& c : cases) {
        RadioImage image;
        image.setCell(5, c.field.cell, c.before);
        channel::setField(image, 5, c.field, c.value);
        EXPECT_EQ(image.cell(5, c.field.cell), c.after) << "cell " << c.field.cell << " shift " << c.field.shift;
        EXPECT_EQ(channel::field(image, 5, c.field), c.value & c.field.maxValue());
    }
}

TEST(ScanBits, OneBitPerChannelInRow23)
{
    const struct {
        int channel;
        int address;
        quint8 bit;
    } cases[] = {{1, 0x17E, 0x01}, {8, 0x17E, 0x80}, {9, 0x17F, 0x01}, {16, 0x17F, 0x80}};
    for (const auto& c : cases) {
        RadioImage image;
        image.fill(0xFF);
        channel::setInScan(image, c.channel, false);
        EXPECT_EQ(image.at(c.address), 0xFF & ~c.bit);
        EXPECT_FALSE(channel::inScan(image, c.channel));
        for (int n = 1; n <= 16; ++n)
            if (n != c.channel)
                EXPECT_TRUE(channel::inScan(image, n));
    }
}

TEST(ChannelRecord, ClearAndNewChannel)
{
    RadioImage image = startUpImage(kUhfModel);
    clearChannel(image, 9);
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(image.cell(9, c), 0xFF);
    EXPECT_FALSE(channel::inScan(image, 9));
    EXPECT_TRUE(channel::isEmpty(image, 9));

    startNewChannel(image, 9);
    const quint8 expected[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xB0, 0xB0, 0xF8};
    for (int c = 8; c < 16; ++c)
        EXPECT_EQ(image.cell(9, c), expected[c - 8]);
    EXPECT_TRUE(channel::inScan(image, 9));
    startNewChannel(image, 10, channel::kNewFlagsBDetail);
    EXPECT_EQ(image.cell(10, 13), 0xBF);

    channel::clearTransmit(image, 12);
    EXPECT_FALSE(channel::hasTransmit(image, 12));
    EXPECT_EQ(channel::encode(image, 12), ToneCode{});
    EXPECT_EQ(channel::decode(image, 12), (ToneCode{0x9E, 0x02}));  // decode tone is kept
}

TEST(GridTexts, ToneTexts)
{
    EXPECT_EQ(grid::toneText(ToneCode{}, true), "无");
    EXPECT_EQ(grid::toneText(ToneCode{}, false), "None");
    EXPECT_EQ(grid::toneText(ToneCode{0x9E, 0x02}, false), "67.0");
    EXPECT_EQ(grid::toneText(ctcssCode(1003), false), "100.3");  // typed, not a table tone
    EXPECT_EQ(grid::toneText(ctcssCode(2541), false), "254.1");
    EXPECT_EQ(grid::toneText(ToneCode{0x13, 0x28}, false), "    D023N   ");  // as padded in the table
    EXPECT_EQ(grid::toneText(ToneCode{0xEC, 0xA9}, true), "   D754I   ");
    EXPECT_EQ(grid::toneText(ToneCode{0x14, 0x28}, false), "");  // a DCS pair the radio lists nowhere
    EXPECT_EQ(grid::toneText(ToneCode{0x00, 0xFF}, false), "");
}

TEST(GridTexts, RowOfAFactoryChannelInBothLanguages)
{
    RadioImage image = startUpImage(kUhfModel);
    channel::setField(image, 14, channel::kScrambler, 15);
    channel::setField(image, 14, channel::kPttId, 1);
    channel::setInScan(image, 14, false);
    const QStringList english{"14", "400.02500", "400.02500", "None", "None", "Low", "Wide", "None", "15", "ON"};
    const QStringList language{"14", "400.02500", "400.02500", "无", "无", "低", "宽带", "无", "15", "开"};
    for (int column = 0; column < grid::kColumnCount; ++column) {
        EXPECT_EQ(grid::cellText(image, 14, column, false), english[column]) << column;
        EXPECT_EQ(grid::cellText(image, 14, column, true), language[column]) << column;
    }
    EXPECT_EQ(grid::cellText(image, 1, grid::kScramblerColumn, false), "OFF");
    EXPECT_EQ(grid::cellText(image, 1, grid::kScramblerColumn, true), "关");
}

TEST(GridTexts, NoTransmitHidesTransmitAndEncode)
{
    RadioImage image = startUpImage(kUhfModel);
    channel::clearTransmit(image, 3);
    EXPECT_EQ(grid::cellText(image, 3, grid::kTransmitColumn, false), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kEncodeColumn, false), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kDecodeColumn, false), "None");
    clearChannel(image, 4);
    for (int column = 0; column < grid::kColumnCount; ++column)
        EXPECT_EQ(grid::cellText(image, 4, column, false), "");
}

TEST(GridChoices, WhatEachColumnWrites)
{
    RadioImage image = startUpImage(kUhfModel);
    grid::applyChoice(image, 2, grid::kDecodeColumn, 9);  // 88.5 Hz, copied to the encode tone
    EXPECT_EQ(channel::decode(image, 2), (ToneCode{0x75, 0x03}));
    EXPECT_EQ(channel::encode(image, 2), (ToneCode{0x75, 0x03}));
    grid::applyChoice(image, 2, grid::kEncodeColumn, 40);  // D023N on encode only
    EXPECT_EQ(channel::decode(image, 2), (ToneCode{0x75, 0x03}));
    EXPECT_EQ(channel::encode(image, 2), (ToneCode{0x13, 0x28}));
    grid::applyChoice(image, 2, grid::kDecodeColumn, 0);  // "None" writes 0xFF pairs both ways
    EXPECT_EQ(channel::decode(image, 2), ToneCode{});
    EXPECT_EQ(channel::encode(image, 2), ToneCode{});

    grid::applyChoice(image, 2, grid::kPowerColumn, 1);
    EXPECT_EQ(channel::field(image, 2, channel::kHighPower), 0);
    grid::applyChoice(image, 2, grid::kBandwidthColumn, 0);
    EXPECT_EQ(channel::field(image, 2, channel::kWide), 0);
    grid::applyChoice(image, 2, grid::kScanColumn, 1);
    EXPECT_FALSE(channel::inScan(image, 2));
    grid::applyChoice(image, 2, grid::kScramblerColumn, 8);
    EXPECT_EQ(channel::field(image, 2, channel::kScrambler), 8);
    grid::applyChoice(image, 2, grid::kPttIdColumn, 1);
    EXPECT_EQ(image.cell(2, 13), 0x88);  // low power, narrow, scrambler 8, bit 7 kept
    EXPECT_EQ(image.cell(2, 14), 0xB1);

    EXPECT_EQ(grid::choices(grid::kDecodeColumn, false).size(), 206);
    EXPECT_EQ(grid::choices(grid::kDecodeColumn, true).first(), "无");
    EXPECT_EQ(grid::choices(grid::kDecodeColumn, false)[1], "67.0");
    EXPECT_EQ(grid::choices(grid::kScramblerColumn, false),
              (QStringList{"OFF", "1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST(GridTexts, HeaderAndTitle)
{
    EXPECT_EQ(grid::headerTexts(false).size(), grid::kColumnCount);
    EXPECT_EQ(grid::headerTexts(false)[6], "  W/N  ");
    EXPECT_EQ(grid::headerTexts(true)[1], "接收频率(MHZ)");
    EXPECT_EQ(grid::windowTitle(5, false), "Channel Information [ Channel -  5 ]");
    EXPECT_EQ(grid::windowTitle(16, true), "信道参数编辑 [ 信道 -  16 ]");
}

} // namespace
