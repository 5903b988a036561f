#include "model/defaults.h"
#include "model/tuning_block.h"
#include "model/tuning_input.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::tuning;

namespace {

TEST(TuningBlock, Labels)
{
    EXPECT_EQ(pointLabel(2, 15), "490MHZ");
    EXPECT_EQ(squelchOffsetLabel(95), "595");
}

TEST(TuningBlock, ComboChoicesStayInTheirList)
{
    AdjustImage adjust = defaultAdjustImage();
    EXPECT_EQ(comboItems(kModulation, 12).size(), 256);
    EXPECT_TRUE(chooseComboItem(adjust, kLevel, 9, 15));
    EXPECT_EQ(adjust.cell(17, 9), 15);
    EXPECT_FALSE(chooseComboItem(adjust, kLevel, 4, 8));       // past its eight choices
    EXPECT_FALSE(chooseComboItem(adjust, kModulation, 14, 0));  // no items at all
    EXPECT_EQ(adjust.cell(17, 4), 7);
}

// Squelch level 3 (row 8, default 20) or offset point 17 (row 10, cell 1,
// default 6): checked, stored or left. The power boxes are the window test's.
TEST(TuningBlock, NumberBoxesCheckAndFallBack)
{
    enum class Box { Level, Offset };
    const struct {
        Box box;
        const char* text;
        NumberEntry entry;
        int stored;
        const char* message;
    } cases[] = {
        {Box::Level, "", NumberEntry::Stored, 0, nullptr},
        {Box::Level, "1a", NumberEntry::NotDigits, 20, " 输入数字范围为 0 - 255 ！"},
        {Box::Level, "100", NumberEntry::Stored, 100, nullptr},
        {Box::Level, "101", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
        {Box::Level, "99999999999999999999999", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
        {Box::Offset, "20", NumberEntry::Stored, 20, nullptr},
        {Box::Offset, "21", NumberEntry::OutOfRange, 6, " 输入数字范围为 0 - 20 ！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.box) << " \"" << c.text << '"');
        AdjustImage adjust = defaultAdjustImage();
        const bool offset = c.box == Box::Offset;
        const NumberOutcome out =
            offset ? enterSquelchOffset(adjust, 17, c.text) : enterSquelchLevel(adjust, 3, c.text);
        EXPECT_EQ(std::tuple(out.entry, int(out.value), int(offset ? adjust.cell(10, 1) : adjust.cell(8, 3))),
                  std::tuple(c.entry, c.stored, c.stored));
        EXPECT_EQ(out.message ? out.message->in(Language::English) : QString(), QString::fromUtf8(c.message));
    }
}

TEST(TuningBlock, RangeLimitChecks)
{
    // Range 1 is bounded by 200 to 270 MHz, range 2 by 400 to 520, range 3 by 350 to 390.
    const struct {
        bool leavingHigh;
        int range, low, high;
        RangeCheck check;
        int resetValue;
    } cases[] = {
        {true, 1, 200, 275, RangeCheck::HighAboveBand, 270}, {true, 1, 200, 270, RangeCheck::Accepted, 0},
        {true, 2, 450, 450, RangeCheck::Accepted, 0},        {false, 2, 450, 430, RangeCheck::LowAboveHigh, 400},
        {false, 3, 349, 390, RangeCheck::LowBelowBand, 350}, {false, 3, 350, 390, RangeCheck::Accepted, 0},
    };
    for (const auto& c : cases) {
        const RangeOutcome out = c.leavingHigh ? leaveRangeHigh(c.range, c.low, c.high) : leaveRangeLow(c.range, c.low, c.high);
        EXPECT_EQ(std::pair(out.check, out.resetValue), std::pair(c.check, c.resetValue))
            << c.range << "/" << c.low << "/" << c.high;
    }
    EXPECT_EQ(leaveRangeLow(2, 450, 430).message->in(Language::Chinese), QString::fromUtf8("下限频率不可大于该频段上限频率"));
}

TEST(TuningBlock, StoresRangesAsThreeDigits)
{
    AdjustImage adjust = defaultAdjustImage();
    storeRanges(adjust, {{{200, 270}, {430, 450}, {350.6, 389.4}}});
    EXPECT_EQ(std::pair(rangeLow(adjust, 3), rangeHigh(adjust, 3)), std::pair(351, 389));

    // A limit that three digits cannot hold keeps its cells.
    adjust.setCell(25, 0, 0xFF);
    storeRange(adjust, 1, {rangeLow(adjust, 1) * 1.0, 260});
    EXPECT_EQ(adjust.cell(25, 0), 0xFF);
    EXPECT_EQ(rangeHigh(adjust, 1), 260);
}

TEST(TuningBlock, TransmitAllowedFlag)
{
    // Clearing and setting by a click is the adjust window test's; here a
    // value the radio wrote other than 1 still counts as allowed and stays.
    AdjustImage adjust = defaultAdjustImage();
    adjust.setCell(27, 7, 5);
    EXPECT_TRUE(transmitAllowed(adjust, 3));
    setTransmitAllowed(adjust, 3, true);
    EXPECT_EQ(adjust.cell(27, 7), 5);
}

TEST(TuningBlock, PasswordsCentredInSixCellsAndReadBack)
{
    // The user password in cells 0 to 5 is left alone.
    const std::pair<const char*, const char*> cases[] = {
        {"abcd", " ABCD "}, {" 12 ", "  12  "}, {"12345", "12345 "}, {"ABCDEFGH", "ABCDEF"}};
    for (const auto& [typed, cells] : cases) {
        AdjustImage adjust = defaultAdjustImage();
        const QByteArray users = adjust.toBytes().mid(31 * 16, 6);
        storePassword(adjust, kSuperPassword, typed);
        EXPECT_EQ(bytesAt(adjust, 31 * 16, 12), hexOf(users + cells)) << typed;
    }
    AdjustImage adjust = defaultAdjustImage();
    storePassword(adjust, kUserPassword, "ab");
    EXPECT_EQ(bytesAt(adjust, 31 * 16, 6), "20 20 41 42 20 20");
    EXPECT_EQ(passwordText(adjust, kUserPassword), "  AB  ");
}

} // namespace
