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
    EXPECT_EQ(squelchOffsetLabel(0), "120");
    EXPECT_EQ(squelchOffsetLabel(95), "595");
    EXPECT_EQ(squelchOffsetRow(95), 14);
    EXPECT_EQ(squelchOffsetCell(95), 15);
    EXPECT_EQ(squelchOffsetRow(16), 10);
    EXPECT_EQ(powerRow(true, 3), 3);
    EXPECT_EQ(powerRow(false, 0), 4);
    EXPECT_EQ(tabKey(kRangeTab), "Adj_Other");
    EXPECT_EQ(tabHeading(kHighPowerTab).in(Language::English), QString::fromUtf8("发射功率调整（高功率）"));
}

TEST(TuningBlock, ComboItemsPerIndex)
{
    const struct {
        ComboSet set;
        int index;
        int count;
    } cases[] = {{kModulation, 0, 64}, {kModulation, 4, 16}, {kModulation, 9, 32}, {kModulation, 11, 64},
                 {kModulation, 12, 256}, {kModulation, 13, 0}, {kModulation, 15, 0}, {kLevel, 4, 8},
                 {kLevel, 5, 16}, {kLevel, 9, 16}};
    for (const auto& c : cases)
        EXPECT_EQ(comboItems(c.set, c.index).size(), c.count) << c.set << "/" << c.index;
    EXPECT_EQ(comboItems(kLevel, 0).first(), " 0");
    EXPECT_EQ(comboItems(kModulation, 12).last(), " 255");

    AdjustImage adjust = defaultAdjustImage();
    EXPECT_EQ(comboText(adjust, kModulation, 12), "106");
    EXPECT_TRUE(chooseComboItem(adjust, kLevel, 9, 15));
    EXPECT_EQ(adjust.cell(17, 9), 15);
    EXPECT_FALSE(chooseComboItem(adjust, kLevel, 0, 8));       // past the list
    EXPECT_FALSE(chooseComboItem(adjust, kModulation, 14, 0));  // no items at all
    EXPECT_EQ(adjust.cell(16, 14), 0);
    EXPECT_EQ(levelCaptions().size(), kLevelCombos);
}

struct NumberCase {
    bool offset;
    const char* text;
    NumberEntry entry;
    int stored;
    const char* message;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << (c.offset ? "offset box \"" : "level box \"") << c.text << '"';
}

class NumberBoxTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberBoxTest, CheckAndFallBack)
{
    const NumberCase& c = GetParam();
    AdjustImage adjust = defaultAdjustImage();
    // Squelch level 3 (default 20) or offset point 17 (row 10, cell 1, default 6).
    const NumberOutcome out = c.offset ? enterSquelchOffset(adjust, 17, c.text) : enterSquelchLevel(adjust, 3, c.text);
    EXPECT_EQ(out.entry, c.entry);
    EXPECT_EQ(out.value, c.stored);
    EXPECT_EQ(c.offset ? adjust.cell(10, 1) : adjust.cell(8, 3), c.stored);
    if (c.message) {
        ASSERT_TRUE(out.message);
        EXPECT_EQ(out.message->in(false), QString::fromUtf8(c.message));
    } else {
        EXPECT_FALSE(out.message);
    }
}

INSTANTIATE_TEST_SUITE_P(TuningBlock, NumberBoxTest, testing::Values(
    NumberCase{false, "55", NumberEntry::Stored, 55, nullptr},
    NumberCase{false, " 100 ", NumberEntry::Stored, 100, nullptr},
    NumberCase{false, "", NumberEntry::Stored, 0, nullptr},
    NumberCase{false, "1a", NumberEntry::NotDigits, 20, " 输入数字范围为 0 - 255 ！"},
    NumberCase{false, "-1", NumberEntry::NotDigits, 20, " 输入数字范围为 0 - 255 ！"},
    NumberCase{false, "150", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
    NumberCase{false, "99999999999999999999999", NumberEntry::OutOfRange, 20, " 输入数字范围为 0 - 100 ！"},
    NumberCase{true, "20", NumberEntry::Stored, 20, nullptr},
    NumberCase{true, "21", NumberEntry::OutOfRange, 6, " 输入数字范围为 0 - 20 ！"},
    NumberCase{true, "x", NumberEntry::NotDigits, 6, " 输入数字范围为 0 - 10 ！"}),
    [](const testing::TestParamInfo<NumberCase>& info) {
        return (info.param.offset ? "offset_" : "level_") + testing_names::caseName(info.param.text);
    });

TEST(TuningBlock, RangeLimitChecks)
{
    // Range 1 is bounded by 200 to 270 MHz, range 2 by 400 to 520.
    RangeOutcome out = leaveRangeHigh(1, 200, 275);
    EXPECT_EQ(out.check, RangeCheck::HighAboveBand);
    EXPECT_EQ(out.resetValue, 270);
    EXPECT_EQ(out.message->in(true), QString::fromUtf8("上限频率不可大于该频段最大工作频率"));

    EXPECT_EQ(leaveRangeHigh(1, 200, 270).check, RangeCheck::Accepted);
    EXPECT_EQ(leaveRangeHigh(2, 450, 450).check, RangeCheck::Accepted);

    out = leaveRangeHigh(2, 450, 430);
    EXPECT_EQ(out.check, RangeCheck::HighBelowLow);
    EXPECT_EQ(out.resetValue, 520);
    out = leaveRangeLow(2, 450, 430);
    EXPECT_EQ(out.check, RangeCheck::LowAboveHigh);
    EXPECT_EQ(out.resetValue, 400);
    EXPECT_EQ(out.message->in(true), QString::fromUtf8("下限频率不可大于该频段上限频率"));

    out = leaveRangeLow(3, 349, 390);
    EXPECT_EQ(out.check, RangeCheck::LowBelowBand);
    EXPECT_EQ(out.resetValue, 350);
    EXPECT_EQ(leaveRangeLow(3, 350, 390).check, RangeCheck::Accepted);
    EXPECT_EQ(rangeBoxValue("abc"), 0);
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
    EXPECT_EQ(adjust.cell(27, 7), 5);
    setTransmitAllowed(adjust, 3, false);
    EXPECT_EQ(adjust.cell(27, 7), 0);
    EXPECT_FALSE(transmitAllowed(adjust, 3));
    setTransmitAllowed(adjust, 3, true);
    EXPECT_EQ(adjust.cell(27, 7), 1);
}

struct PasswordCase {
    const char* typed;
    std::array<int, 6> cells;
};

void PrintTo(const PasswordCase& c, std::ostream* os) { *os << "typed \"" << c.typed << '"'; }

class PasswordTest : public testing::TestWithParam<PasswordCase> {};

TEST_P(PasswordTest, CentredInSixCells)
{
    AdjustImage adjust = defaultAdjustImage();
    storePassword(adjust, kSuperPassword, GetParam().typed);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(adjust.cell(31, 6 + i), GetParam().cells[static_cast<size_t>(i)]) << i;
    EXPECT_EQ(adjust.cell(31, 0), '0');  // the user password is left alone
}

INSTANTIATE_TEST_SUITE_P(TuningBlock, PasswordTest, testing::Values(
    PasswordCase{"abcd", {32, 'A', 'B', 'C', 'D', 32}},
    PasswordCase{" 12 ", {32, 32, '1', '2', 32, 32}},
    PasswordCase{"X", {32, 32, 'X', 32, 32, 32}},
    PasswordCase{"12345", {'1', '2', '3', '4', '5', 32}},   // (6 - 5) / 2 = 0
    PasswordCase{"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F'}},
    PasswordCase{"A?", {32, 32, 'A', 11, 32, 32}},         // outside the set: 11
    PasswordCase{"", {32, 32, 32, 32, 32, 32}}),
    [](const testing::TestParamInfo<PasswordCase>& info) { return testing_names::caseName(info.param.typed); });

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
