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

// Where each field's bits lie is checked through the editors' choices; here
// that a value too wide for its field never spills into the bits around it.
TEST(ChannelRecord, AFieldKeepsToItsBits)
{
    RadioImage image;
    image.fill(0x5A);
    image.setAt(0x5F, 0xF0);
    channel::setField(image, 5, channel::kAutodialMemory, 9);
    EXPECT_EQ(bytesAt(image, 0x5E, 3), "5a f1 5a");
    EXPECT_EQ(channel::field(image, 5, channel::kAutodialMemory), 1);
}

TEST(ChannelRecord, OneScanBitPerChannel)
{
    for (const auto& [n, address, bit] : {std::tuple{8, 0x17E, 0x80}, {9, 0x17F, 0x01}}) {
        RadioImage image;
        image.fill(0xFF);
        channel::setInScan(image, n, false);
        EXPECT_EQ(image.at(address), 0xFF & ~bit) << n;
        for (int other = 1; other <= 16; ++other)
            EXPECT_EQ(channel::inScan(image, other), other != n) << n << "/" << other;
    }
}

TEST(ChannelRecord, ClearChannelAndClearTransmit)
{
    RadioImage image = startUpImage(kUhfModel);
    clearChannel(image, 9);
    EXPECT_EQ(bytesAt(image, 0x90, 16), hexOf(QByteArray(16, '\xFF')));
    EXPECT_EQ(image.at(0x17F), 0xFE);
    channel::clearTransmit(image, 12);
    // The encode tone goes with it; the decode tone is kept.
    EXPECT_EQ(bytesAt(image, 0xC4, 8), "ff ff ff ff 9e 02 ff ff");
}

TEST(GridTexts, RowOfAFactoryChannel)
{
    RadioImage image = startUpImage(kUhfModel);
    // Decode D023N; encode 100.3 Hz, typed rather than from the table; low
    // power, narrow, scrambler 15; PTT ID on; not in scan.
    for (const auto& [address, value] : {std::pair{0xE8, 0x13}, {0xE9, 0x28}, {0xEA, 0xEB}, {0xEB, 0x03},
                                         {0xED, 0x0F}, {0xEE, 0x01}, {0x17F, 0xDF}})
        image.setAt(address, static_cast<quint8>(value));
    QStringList row;
    for (int column = 0; column < grid::kColumnCount; ++column)
        row << grid::cellText(image, 14, column, Language::English).trimmed();
    EXPECT_EQ(row.join('|'), "14|400.02500|400.02500|D023N|100.3|Low|Narrow|None|15|ON");
    EXPECT_EQ(grid::cellText(image, 14, grid::kPowerColumn, Language::Chinese), QString::fromUtf8("低"));
    EXPECT_EQ(grid::toneText(ToneCode{0x14, 0x28}, Language::English), "");  // a DCS pair the radio lists nowhere
    image.setAt(0x34, 0xFF);  // channel 3 without transmit hides transmit and encode
    EXPECT_EQ(grid::cellText(image, 3, grid::kTransmitColumn, Language::English), "");
    EXPECT_EQ(grid::cellText(image, 3, grid::kEncodeColumn, Language::English), "");
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
}

} // namespace
