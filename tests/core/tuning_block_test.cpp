#include "model/defaults.h"
#include "model/tuning_block.h"
#include "model/tuning_input.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::tuning;

namespace {

TEST(TuningBlock, LabelsAndCells)
{
    EXPECT_EQ(pointLabel(0, 1), "104MHZ");
    EXPECT_EQ(pointLabel(2, 15), "490MHZ");
    EXPECT_EQ(squelchOffsetLabel(95), "595");
    EXPECT_EQ(squelchOffsetRow(95), 14);
    EXPECT_EQ(squelchOffsetCell(95), 15);
    EXPECT_EQ(squelchOffsetRow(16), 10);
    EXPECT_EQ(squelchOffsetCell(16), 0);
    EXPECT_EQ(powerRow(true, 3), 3);
    EXPECT_EQ(powerRow(false, 0), 4);
}

TEST(TuningBlock, ComboChoicesStayInTheirList)
{
    AdjustImage adjust = defaultAdjustImage();
    EXPECT_EQ(comboItems(kModulation, 12).size(), 256);
    EXPECT_EQ(comboText(adjust, kModulation, 12), "106");
    EXPECT_TRUE(chooseComboItem(adjust, kLevel, 9, 15));
    EXPECT_EQ(adjust.cell(17, 9), 15);
    EXPECT_FALSE(chooseComboItem(adjust, kLevel, 4, 8));       // past its eight choices
    EXPECT_FALSE(chooseComboItem(adjust, kModulation, 14, 0));  // no items at all
    EXPECT_EQ(adjust.cell(17, 4), 7);
    EXPECT_EQ(adjust.cell(16, 14), 0);
}

enum class Box { Level, Offset, Power };

struct NumberCase {
    Box box;
    const char* text;
    NumberEntry entry;
    int stored;
    const char* message;
};

class NumberBoxTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberBoxTest, CheckAndFallBack)
{
    const NumberCase& c = GetParam();
    AdjustImage adjust = defaultAdjustImage();
    // Squelch level 3 (default 20), offset point 17 (row 10, cell 1, default 6)
    // or low power UHF2 point 15 (row 7, default 15).
    const NumberOutcome out = c.box == Box::Offset ? enterSquelchOffset(adjust, 17, c.text)
                              : c.box == Box::Level ? enterSquelchLevel(adjust, 3, c.text)
                                                    : enterPower(adjust, false, 3, 15, c.text);
    EXPECT_EQ(out.entry, c.entry);
    EXPECT_EQ(out.value, c.stored);
    EXPECT_EQ(c.box == Box::Offset ? adjust.cell(10, 1) : c.box == Box::Level ? adjust.cell(8, 3) : adjust.cell(7, 15),
              c.stored);
    if (c.message) {
        ASSERT_TRUE(out.message);
        EXPECT_EQ(out.message->in(Language::English), QString::fromUtf8(c.message));
    } else {
        EXPECT_FALSE(out.message);
    }
}

INSTANTIATE_TEST_SUITE_P(TuningBlock, NumberBoxTest, testing::Values(
    NumberCase{Box::Level, "55", NumberEntry::Stored, 55, nullptr},
    NumberCase{Box::Level, "", NumberEntry::Stored, 0, nullptr},
    NumberCase{Box::Level, "1a", NumberEntry::NotDigits, 20, " 输入数字范围为 0 - 255 ！"},
    NumberCase{Box::Level, "100", NumberEntry::Stored, 100, nullptr},
    NumberCase{Box::Level, "101", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
    NumberCase{Box::Level, "99999999999999999999999", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
    NumberCase{Box::Offset, "20", NumberEntry::Stored, 20, nullptr},
    NumberCase{Box::Offset, "21", NumberEntry::OutOfRange, 6, " 输入数字范围为 0 - 20 ！"},
    NumberCase{Box::Offset, "x", NumberEntry::NotDigits, 6, " 输入数字范围为 0 - 10 ！"},
    NumberCase{Box::Power, "255", NumberEntry::Stored, 255, nullptr},
    NumberCase{Box::Power, "256", NumberEntry::OutOfRange, 15, " 输入数字范围为 0 - 255 ！"},
    NumberCase{Box::Power, "+1", NumberEntry::NotDigits, 15, " 输入数字范围为 0 - 255 ！"}),
    [](const testing::TestParamInfo<NumberCase>& info) {
        const Box box = info.param.box;
        return (box == Box::Level ? "level_" : box == Box::Offset ? "offset_" : "power_")
            + testing_names::caseName(info.param.text);
    });

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
        {true, 2, 450, 450, RangeCheck::Accepted, 0},        {true, 2, 450, 430, RangeCheck::HighBelowLow, 520},
        {false, 2, 450, 430, RangeCheck::LowAboveHigh, 400}, {false, 3, 349, 390, RangeCheck::LowBelowBand, 350},
        {false, 3, 350, 390, RangeCheck::Accepted, 0},
    };
    for (const auto& c : cases) {
        const RangeOutcome out = c.leavingHigh ? leaveRangeHigh(c.range, c.low, c.high) : leaveRangeLow(c.range, c.low, c.high);
        EXPECT_EQ(out.check, c.check) << c.range << "/" << c.low << "/" << c.high;
        if (c.check != RangeCheck::Accepted)
            EXPECT_EQ(out.resetValue, c.resetValue) << c.range << "/" << c.low << "/" << c.high;
    }
    EXPECT_EQ(leaveRangeLow(2, 450, 430).message->in(Language::Chinese), QString::fromUtf8("下限频率不可大于该频段上限频率"));
}

TEST(TuningBlock, StoresRangesAsThreeDigits)
{
    AdjustImage adjust = defaultAdjustImage();
    EXPECT_EQ(rangeLow(adjust, 2), 400);
    EXPECT_EQ(rangeHigh(adjust, 2), 480);
    storeRanges(adjust, {{{200, 270}, {430, 450}, {350.6, 389.4}}});
    const int row26[] = {4, 3, 0, 4, 5, 0};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(adjust.cell(26, c), row26[c]);
    EXPECT_EQ(rangeLow(adjust, 3), 351);
    EXPECT_EQ(rangeHigh(adjust, 3), 389);

    // A limit that three digits cannot hold keeps its cells.
    adjust.setCell(25, 0, 0xFF);
    storeRange(adjust, 1, {rangeLow(adjust, 1) * 1.0, 260});
    EXPECT_EQ(adjust.cell(25, 0), 0xFF);
    EXPECT_EQ(rangeHigh(adjust, 1), 260);
}

TEST(TuningBlock, TransmitAllowedFlag)
{
    AdjustImage adjust = defaultAdjustImage();
    adjust.setCell(27, 7, 5);
    EXPECT_TRUE(transmitAllowed(adjust, 3));
    setTransmitAllowed(adjust, 3, true);
    EXPECT_EQ(adjust.cell(27, 7), 5);  // already allowed: the value stays
    setTransmitAllowed(adjust, 3, false);
    EXPECT_EQ(adjust.cell(27, 7), 0);
    setTransmitAllowed(adjust, 3, true);
    EXPECT_EQ(adjust.cell(27, 7), 1);
}

TEST(TuningBlock, PasswordCentredInSixCells)
{
    const std::pair<const char*, std::array<int, 6>> cases[] = {
        {"abcd", {32, 'A', 'B', 'C', 'D', 32}}, {" 12 ", {32, 32, '1', '2', 32, 32}},
        {"12345", {'1', '2', '3', '4', '5', 32}},  // (6 - 5) / 2 = 0
        {"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F'}}, {"A?", {32, 32, 'A', 11, 32, 32}},  // outside the set: 11
    };
    for (const auto& [typed, cells] : cases) {
        AdjustImage adjust = defaultAdjustImage();
        storePassword(adjust, kSuperPassword, typed);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(adjust.cell(31, 6 + i), cells[static_cast<size_t>(i)]) << typed << "/" << i;
        EXPECT_EQ(adjust.cell(31, 0), '0');  // the user password is left alone
    }
}

TEST(TuningBlock, PasswordReadsBack)
{
    AdjustImage adjust = defaultAdjustImage();
    EXPECT_EQ(passwordText(adjust, kUserPassword), kDefaultUserPassword);
    storePassword(adjust, kUserPassword, "ab");
    EXPECT_EQ(passwordText(adjust, kUserPassword), "  AB  ");
    adjust.setCell(31, 0, 0xFF);  // codes outside the set show nothing
    EXPECT_EQ(passwordText(adjust, kUserPassword), " AB  ");
}

} // namespace
