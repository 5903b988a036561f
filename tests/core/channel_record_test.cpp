// The channel record, checked at the radio's addresses: channel n is row n
// (0x010 to 0x10F), its scan bit in 0x17E / 0x17F.
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(BitFields, WriteOnlyTheirBits)
{
    const struct {
        BitField field;
        int cell;
        int value;
        quint8 before;
        quint8 after;
    } cases[] = {
        {channel::kCompander, 12, 1, 0x80, 0x81},        {channel::kOptionSignalling, 12, 2, 0xFF, 0xFD},
        {channel::kBusyLockout, 12, 3, 0x00, 0x18},      {channel::kSpUnmute, 12, 1, 0x9F, 0xBF},
        {channel::kScrambler, 13, 8, 0xBF, 0xB8},        {channel::kWide, 13, 0, 0xBF, 0xAF},
        {channel::kHighPower, 13, 0, 0xB0, 0x90},        {channel::kBeatShift, 13, 1, 0x80, 0xC0},
        {channel::kPttId, 14, 1, 0xB0, 0xB1},            {channel::kAutodialMemory, 15, 7, 0xF8, 0xFF},
        {channel::kAutodialMemory, 15, 9, 0xF8, 0xF9},  // too wide a value never spills into other bits
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.fill(0x5A);
        image.setAt(0x50 + c.cell, c.before);
        channel::setField(image, 5, c.field, c.value);
        EXPECT_EQ(image.at(0x50 + c.cell), c.after) << "cell " << c.cell << " value " << c.value;
        EXPECT_EQ(channel::field(image, 5, c.field), c.value & c.field.maxValue()) << c.cell;
        for (int a = 0x40; a < 0x70; ++a)
            if (a != 0x50 + c.cell)
                ASSERT_EQ(image.at(a), 0x5A) << "cell " << c.cell << " wrote " << a;
    }
}

TEST(ScanBits, OneBitPerChannel)
{
    for (const auto& [n, address, bit] : {std::tuple{1, 0x17E, 0x01}, {8, 0x17E, 0x80}, {9, 0x17F, 0x01},
                                          {16, 0x17F, 0x80}}) {
        RadioImage image;
        image.fill(0xFF);
        channel::setInScan(image, n, false);
        EXPECT_EQ(image.at(address), 0xFF & ~bit) << n;
        for (int other = 1; other <= 16; ++other)
            EXPECT_EQ(channel::inScan(image, other), other != n) << n << "/" << other;
    }
}

TEST(ChannelRecord, ClearAndNewChannel)
{
    RadioImage image = startUpImage(kUhfModel);
    clearChannel(image, 9);
    for (int a = 0x90; a < 0xA0; ++a)
        EXPECT_EQ(image.at(a), 0xFF) << a;
    EXPECT_EQ(image.at(0x17F), 0xFE);
    EXPECT_TRUE(channel::isEmpty(image, 9));
    startNewChannel(image, 9);
    const quint8 expected[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xB0, 0xB0, 0xF8};
    for (int c = 8; c < 16; ++c)
        EXPECT_EQ(image.at(0x90 + c), expected[c - 8]) << c;
    EXPECT_EQ(image.at(0x17F), 0xFF);

    channel::clearTransmit(image, 12);
    EXPECT_EQ(image.at(0xC4), 0xFF);
    EXPECT_FALSE(channel::hasTransmit(image, 12));
    EXPECT_EQ(image.at(0xCA), 0xFF);  // the encode tone goes with it
    EXPECT_EQ(image.at(0xCB), 0xFF);
    EXPECT_EQ(image.at(0xC8), 0x9E);  // the decode tone is kept
}

TEST(GridTexts, RowOfAFactoryChannelInBothLanguages)
{
    RadioImage image = startUpImage(kUhfModel);
    image.setAt(0xE8, 0x13);  // decode D023N
    image.setAt(0xE9, 0x28);
    image.setAt(0xEA, 0xEB);  // encode 100.3 Hz, typed rather than from the table
    image.setAt(0xEB, 0x03);
    image.setAt(0xED, 0x0F);  // low power, narrow, scrambler 15
    image.setAt(0xEE, 0x01);  // PTT ID on
    image.setAt(0x17F, 0xDF); // not in scan
    const QStringList english{"14", "400.02500", "400.02500", "D023N", "100.3", "Low", "Narrow", "None", "15", "ON"};
    const QStringList language{"14", "400.02500", "400.02500", "D023N", "100.3", "低", "窄带", "无", "15", "开"};
    for (int column = 0; column < grid::kColumnCount; ++column) {
        EXPECT_EQ(grid::cellText(image, 14, column, false).trimmed(), english[column]) << column;
        EXPECT_EQ(grid::cellText(image, 14, column, true).trimmed(), language[column]) << column;
    }
    EXPECT_EQ(grid::cellText(image, 1, grid::kScramblerColumn, false), "OFF");
    EXPECT_EQ(grid::toneText(ToneCode{0x14, 0x28}, false), "");  // a DCS pair the radio lists nowhere
    image.setAt(0x34, 0xFF);  // channel 3 without transmit hides transmit and encode
    EXPECT_EQ(grid::cellText(image, 3, grid::kTransmitColumn, false), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kEncodeColumn, false), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kDecodeColumn, false), "None");
}

TEST(GridChoices, WhatEachColumnWrites)
{
    RadioImage image = startUpImage(kUhfModel);
    grid::applyChoice(image, 2, grid::kDecodeColumn, 9);  // 88.5 Hz, copied to the encode tone
    const quint8 tones[] = {0x75, 0x03, 0x75, 0x03};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.at(0x28 + i), tones[i]) << i;
    grid::applyChoice(image, 2, grid::kEncodeColumn, 40);  // D023N on encode only
    EXPECT_EQ(image.at(0x28), 0x75);
    EXPECT_EQ(image.at(0x2A), 0x13);
    EXPECT_EQ(image.at(0x2B), 0x28);
    grid::applyChoice(image, 2, grid::kPowerColumn, 1);
    grid::applyChoice(image, 2, grid::kBandwidthColumn, 0);
    grid::applyChoice(image, 2, grid::kScramblerColumn, 8);
    grid::applyChoice(image, 2, grid::kPttIdColumn, 1);
    grid::applyChoice(image, 2, grid::kScanColumn, 1);
    EXPECT_EQ(image.at(0x2D), 0x88);  // low power, narrow, scrambler 8, bit 7 kept
    EXPECT_EQ(image.at(0x2E), 0xB1);
    EXPECT_EQ(image.at(0x17E), 0xFD);
    grid::applyChoice(image, 2, grid::kDecodeColumn, 0);  // "None" writes 0xFF pairs both ways
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.at(0x28 + i), 0xFF) << i;
}

} // namespace
