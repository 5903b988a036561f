// The channel record, checked at the radio's addresses: channel n is row n
// (0x010 to 0x10F), its scan bit in 0x17E / 0x17F.
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/defaults.h"
#include "model/radio_models.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(ChannelRecord, BitFieldsWriteOnlyTheirBits)
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
        SCOPED_TRACE(testing::Message() << "cell " << c.cell << " value " << c.value);
        RadioImage image;
        image.fill(0x5A);
        image.setAt(0x50 + c.cell, c.before);
        RadioImage expected = image;
        expected.setAt(0x50 + c.cell, c.after);
        channel::setField(image, 5, c.field, c.value);
        EXPECT_EQ(bytesAt(image, 0x40, 0x30), bytesAt(expected, 0x40, 0x30));
        EXPECT_EQ(channel::field(image, 5, c.field), c.value & c.field.maxValue());
    }
}

TEST(ChannelRecord, OneScanBitPerChannel)
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

TEST(ChannelRecord, ClearNewChannelAndClearTransmit)
{
    RadioImage image = startUpImage(kUhfModel);
    clearChannel(image, 9);
    EXPECT_EQ(bytesAt(image, 0x90, 16), hexOf(QByteArray(16, '\xFF')));
    EXPECT_EQ(image.at(0x17F), 0xFE);
    EXPECT_TRUE(channel::isEmpty(image, 9));
    startNewChannel(image, 9);
    EXPECT_EQ(bytesAt(image, 0x98, 8), "ff ff ff ff 00 b0 b0 f8");
    EXPECT_EQ(image.at(0x17F), 0xFF);

    channel::clearTransmit(image, 12);
    EXPECT_FALSE(channel::hasTransmit(image, 12));
    // The encode tone goes with it; the decode tone is kept.
    EXPECT_EQ(bytesAt(image, 0xC4, 8), "ff ff ff ff 9e 02 ff ff");
}

TEST(GridTexts, RowOfAFactoryChannelInBothLanguages)
{
    RadioImage image = startUpImage(kUhfModel);
    // Decode D023N; encode 100.3 Hz, typed rather than from the table; low
    // power, narrow, scrambler 15; PTT ID on; not in scan.
    for (const auto& [address, value] : {std::pair{0xE8, 0x13}, {0xE9, 0x28}, {0xEA, 0xEB}, {0xEB, 0x03},
                                         {0xED, 0x0F}, {0xEE, 0x01}, {0x17F, 0xDF}})
        image.setAt(address, static_cast<quint8>(value));
    const QStringList english{"14", "400.02500", "400.02500", "D023N", "100.3", "Low", "Narrow", "None", "15", "ON"};
    const QStringList chinese{"14", "400.02500", "400.02500", "D023N", "100.3", "低", "窄带", "无", "15", "开"};
    for (int column = 0; column < grid::kColumnCount; ++column) {
        EXPECT_EQ(grid::cellText(image, 14, column, Language::English).trimmed(), english[column]) << column;
        EXPECT_EQ(grid::cellText(image, 14, column, Language::Chinese).trimmed(), chinese[column]) << column;
    }
    EXPECT_EQ(grid::cellText(image, 1, grid::kScramblerColumn, Language::English), "OFF");
    EXPECT_EQ(grid::toneText(ToneCode{0x14, 0x28}, Language::English), "");  // a DCS pair the radio lists nowhere
    image.setAt(0x34, 0xFF);  // channel 3 without transmit hides transmit and encode
    EXPECT_EQ(grid::cellText(image, 3, grid::kTransmitColumn, Language::English), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kEncodeColumn, Language::English), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kDecodeColumn, Language::English), "None");
}

TEST(GridChoices, WhatEachColumnWrites)
{
    RadioImage image = startUpImage(kUhfModel);
    grid::applyChoice(image, 2, grid::kDecodeColumn, 9);  // 88.5 Hz, copied to the encode tone
    EXPECT_EQ(bytesAt(image, 0x28, 4), "75 03 75 03");
    grid::applyChoice(image, 2, grid::kEncodeColumn, 40);  // D023N on encode only
    EXPECT_EQ(bytesAt(image, 0x28, 4), "75 03 13 28");
    grid::applyChoice(image, 2, grid::kPowerColumn, 1);
    grid::applyChoice(image, 2, grid::kBandwidthColumn, 0);
    grid::applyChoice(image, 2, grid::kScramblerColumn, 8);
    grid::applyChoice(image, 2, grid::kPttIdColumn, 1);
    grid::applyChoice(image, 2, grid::kScanColumn, 1);
    EXPECT_EQ(bytesAt(image, 0x2D, 2), "88 b1");  // low power, narrow, scrambler 8, bit 7 kept; PTT ID on
    EXPECT_EQ(image.at(0x17E), 0xFD);
    grid::applyChoice(image, 2, grid::kDecodeColumn, 0);  // "None" writes 0xFF pairs both ways
    EXPECT_EQ(bytesAt(image, 0x28, 4), "ff ff ff ff");
}

} // namespace
