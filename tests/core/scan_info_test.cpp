#include "model/defaults.h"
#include "model/radio_models.h"
#include "model/scan_info.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::scan;

namespace {

RadioImage imageWithRow(std::initializer_list<int> cells)
{
    RadioImage image = startUpImage(kUhfModel);
    int c = 0;
    for (int v : cells)
        image.setCell(kRow, c++, static_cast<quint8>(v));
    return image;
}

TEST(Scan, FreshImageOpensNormalised)
{
    RadioImage image = startUpImage(kUhfModel);  // row 22 erased
    EXPECT_EQ(mode(image), kSelected);
    EXPECT_EQ(shownText(image, kLookBackA, false), "5.00");
    EXPECT_EQ(shownText(image, kRevert, false), "Priority+Talk Back");
    EXPECT_EQ(shownText(image, kDropout, false), "300");
    EXPECT_TRUE(priorityChannelText(image).isEmpty());

    normaliseRow(image);
    const quint8 expected[16] = {2, 0xFF, 91, 91, 3, 0x2C, 0x01, 0x2C, 0x01,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(image.cell(kRow, c), expected[c]) << "cell " << c;
}

struct LookBackCase {
    quint8 code;
    int position;
    const char* text;
};

void PrintTo(const LookBackCase& c, std::ostream* os) { *os << "code " << int(c.code); }

class LookBackTest : public testing::TestWithParam<LookBackCase> {};

TEST_P(LookBackTest, CodeToPosition)
{
    EXPECT_EQ(lookBackPosition(GetParam().code), GetParam().position);
    EXPECT_EQ(lookBackText(GetParam().position), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Scan, LookBackTest, testing::Values(
    LookBackCase{0, 0, "0.50"}, LookBackCase{1, 0, "0.50"}, LookBackCase{2, 1, "0.55"},
    LookBackCase{11, 10, "1.00"}, LookBackCase{91, 90, "5.00"}, LookBackCase{95, 90, "5.00"},
    LookBackCase{0xFF, 90, "5.00"}),
    [](const testing::TestParamInfo<LookBackCase>& info) { return "code" + std::to_string(info.param.code); });

TEST(Scan, LookBackChoicesWriteCodes)
{
    EXPECT_EQ(lookBackCode(0), 0);  // 0.50 s is written as 0, never 1
    EXPECT_EQ(lookBackCode(1), 2);
    EXPECT_EQ(lookBackCode(90), 91);
    RadioImage image = imageWithRow({1, 0xFF, 1, 95});
    normaliseRow(image);
    EXPECT_EQ(image.cell(kRow, kLookBackACell), 0);
    EXPECT_EQ(image.cell(kRow, kLookBackBCell), 91);
}

struct RevertCase {
    Mode mode;
    quint8 code;
    int position;
    quint8 writtenBack;
};

void PrintTo(const RevertCase& c, std::ostream* os) { *os << "mode " << int(c.mode) << ", code " << int(c.code); }

std::string revertCaseName(const RevertCase& c)
{
    const char* const modes[] = {"None", "Fixed", "Selected"};
    return std::string(modes[c.mode]) + "_code" + std::to_string(c.code);
}

class RevertTest : public testing::TestWithParam<RevertCase> {};

TEST_P(RevertTest, FitsTheModesList)
{
    const RevertCase& c = GetParam();
    EXPECT_EQ(revertPosition(c.mode, c.code), c.position);
    EXPECT_EQ(revertCode(c.mode, c.position), c.writtenBack);
}

INSTANTIATE_TEST_SUITE_P(Scan, RevertTest, testing::Values(
    RevertCase{kSelected, 3, 1, 3}, RevertCase{kSelected, 2, 0, 2},
    RevertCase{kSelected, 0, 0, 2},   // a code of another mode's list
    RevertCase{kNoPriority, 3, 1, 1}, RevertCase{kNoPriority, 0, 0, 0},
    RevertCase{kFixed, 3, 3, 3}, RevertCase{kFixed, 0xFF, 3, 3}),
    [](const testing::TestParamInfo<RevertCase>& info) { return revertCaseName(info.param); });

TEST(Scan, ChangingModeRefitsRevertCode)
{
    RadioImage image = imageWithRow({kFixed, 5, 2, 2, 3});
    applyChoice(image, kModeItem, kNoPriority);
    EXPECT_EQ(image.cell(kRow, kModeCell), 0);
    EXPECT_EQ(image.cell(kRow, kRevertCell), 1);  // Priority+Talk Back is not offered without priority
    EXPECT_EQ(image.cell(kRow, kPriorityChannelCell), 5);  // kept, though the box empties
    EXPECT_TRUE(priorityChannelText(image).isEmpty());

    applyChoice(image, kModeItem, kSelected);
    EXPECT_EQ(image.cell(kRow, kRevertCell), 3);
    EXPECT_EQ(choices(kRevert, kSelected, false), (QStringList{"Priority", "Priority+Talk Back"}));
    applyChoice(image, kRevert, 0);
    EXPECT_EQ(image.cell(kRow, kRevertCell), 2);
}

TEST(Scan, DelaysAreSixteenBitLowByteFirst)
{
    RadioImage image = imageWithRow({0, 0, 0, 0, 0, 0x2C, 0x01, 0x2D, 0x01});
    EXPECT_EQ(delaySeconds(image, kDropoutCell), 300);
    EXPECT_EQ(delaySeconds(image, kDwellCell), 300);  // 301 is capped
    applyChoice(image, kDropout, 256);
    EXPECT_EQ(image.cell(kRow, 5), 0x00);
    EXPECT_EQ(image.cell(kRow, 6), 0x01);
    applyChoice(image, kDwell, 400);  // past the list: its last entry
    EXPECT_EQ(image.cell(kRow, 7), 0x2C);
    EXPECT_EQ(image.cell(kRow, 8), 0x01);
}

TEST(Scan, PriorityModeAboveSelectedReadsAsSelected)
{
    RadioImage image = imageWithRow({7});
    EXPECT_EQ(shownText(image, kModeItem, false), "Selected");
    normaliseRow(image);
    EXPECT_EQ(image.cell(kRow, kModeCell), 2);
}

TEST(Scan, PriorityChannelOnlyInFixedMode)
{
    RadioImage image = imageWithRow({kFixed, 0xFF});
    EXPECT_EQ(enterPriorityChannel(image, "1"), PriorityChannelEntry::Stored);
    EXPECT_EQ(image.cell(kRow, kPriorityChannelCell), 1);
    EXPECT_EQ(enterPriorityChannel(image, "17"), PriorityChannelEntry::OutOfRange);
    EXPECT_EQ(enterPriorityChannel(image, "0"), PriorityChannelEntry::OutOfRange);
    // The emptied box after the message neither stores nor repeats the message.
    EXPECT_EQ(enterPriorityChannel(image, ""), PriorityChannelEntry::Ignored);
    EXPECT_EQ(image.cell(kRow, kPriorityChannelCell), 1);
    EXPECT_EQ(enterPriorityChannel(image, "16"), PriorityChannelEntry::Stored);
    EXPECT_EQ(priorityChannelText(image), "16");

    image.setCell(kRow, kModeCell, kNoPriority);
    EXPECT_EQ(enterPriorityChannel(image, "3"), PriorityChannelEntry::Ignored);
    EXPECT_EQ(image.cell(kRow, kPriorityChannelCell), 16);

    EXPECT_TRUE(priorityChannelKeyAccepted("", '1'));
    EXPECT_TRUE(priorityChannelKeyAccepted("1", '7'));
    EXPECT_FALSE(priorityChannelKeyAccepted("17", '1'));
    EXPECT_FALSE(priorityChannelKeyAccepted("", 'a'));
    EXPECT_FALSE(kPriorityChannelMessage.in(Language::English).trimmed().isEmpty());
}

} // namespace
