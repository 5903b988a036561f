// Scan settings, addressed as the radio's memory (0x160 to 0x168) so a wrong
// row, cell or byte order shows.
#include "model/defaults.h"
#include "model/radio_models.h"
#include "model/scan_info.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::scan;

namespace {

constexpr int kBase = 0x160;

RadioImage withRow(std::initializer_list<int> cells)
{
    RadioImage image = startUpImage(kUhfModel);
    int a = kBase;
    for (int v : cells)
        image.setAt(a++, static_cast<quint8>(v));
    return image;
}

TEST(Scan, ErasedRowOpensAsSelectedAndIsWrittenBackNormalised)
{
    RadioImage image = startUpImage(kUhfModel);
    EXPECT_EQ(shownText(image, kModeItem, Language::English), "Selected");
    EXPECT_EQ(shownText(image, kRevert, Language::English), "Priority+Talk Back");
    EXPECT_TRUE(priorityChannelText(image).isEmpty());
    normaliseRow(image);
    const quint8 expected[16] = {2, 0xFF, 91, 91, 3, 0x2C, 0x01, 0x2C, 0x01,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(image.at(kBase + c), expected[c]) << "cell " << c;
    EXPECT_EQ(image.at(kBase - 1), 0xFF);
    EXPECT_EQ(image.at(kBase + 16), 0xFF);
}

// Both delays are whole seconds as 16 bits, low byte first, capped at 300.
TEST(Scan, DelaysAreLowByteFirst)
{
    for (const auto& [item, low] : {std::pair{kDropout, 0x165}, std::pair{kDwell, 0x167}}) {
        RadioImage image = withRow({0, 0, 0, 0, 0, 0, 0, 0, 0});
        image.setAt(low, 0x05);
        image.setAt(low + 1, 0x01);
        EXPECT_EQ(shownPosition(image, item), 261) << low;
        image.setAt(low + 1, 0xFF);
        EXPECT_EQ(shownText(image, item, Language::English), "300") << low;
        applyChoice(image, item, 258);
        EXPECT_EQ(image.at(low), 0x02) << low;
        EXPECT_EQ(image.at(low + 1), 0x01) << low;
        applyChoice(image, item, 400);  // past the list: its last entry
        EXPECT_EQ(image.at(low), 0x2C) << low;
        EXPECT_EQ(image.at(low + 1), 0x01) << low;
        const int other = low == 0x165 ? 0x167 : 0x165;
        EXPECT_EQ(image.at(other), 0) << low;
        EXPECT_EQ(image.at(other + 1), 0) << low;
    }
}

TEST(Scan, LookBackCodesShowAndWriteBack)
{
    const struct {
        quint8 code;
        const char* text;
        quint8 writtenBack;
    } cases[] = {{0, "0.50", 0}, {1, "0.50", 0},  // only 0 is written for 0.50 s
                 {2, "0.55", 2}, {11, "1.00", 11}, {91, "5.00", 91}, {95, "5.00", 91}};
    for (const auto& c : cases) {
        RadioImage image = withRow({kFixed, 1, c.code, 0x20});
        EXPECT_EQ(shownText(image, kLookBackA, Language::English), c.text) << int(c.code);
        normaliseRow(image);
        EXPECT_EQ(image.at(0x162), c.writtenBack) << int(c.code);
        EXPECT_EQ(image.at(0x163), 0x20) << int(c.code);
    }
}

TEST(Scan, RevertCodeFitsTheModesList)
{
    const struct {
        Mode mode;
        quint8 code;
        const char* shown;
        quint8 writtenBack;
    } cases[] = {
        {kSelected, 3, "Priority+Talk Back", 3}, {kSelected, 2, "Priority", 2},
        {kSelected, 0, "Priority", 2},  // a code of another mode's list
        {kNoPriority, 3, "Selected+Talk Back", 1}, {kNoPriority, 0, "Selected", 0},
        {kFixed, 2, "Priority", 2}, {kFixed, 0xFF, "Priority+Talk Back", 3},
    };
    for (const auto& c : cases) {
        RadioImage image = withRow({c.mode, 1, 0, 0, c.code});
        EXPECT_EQ(shownText(image, kRevert, Language::English), c.shown) << c.mode << "/" << int(c.code);
        normaliseRow(image);
        EXPECT_EQ(image.at(0x164), c.writtenBack) << c.mode << "/" << int(c.code);
    }
}

TEST(Scan, ChoicesWriteTheirOwnCell)
{
    RadioImage image = withRow({kFixed, 5, 2, 2, 3});
    applyChoice(image, kModeItem, kNoPriority);
    EXPECT_EQ(image.at(0x160), 0);
    EXPECT_EQ(image.at(0x164), 1);  // Priority+Talk Back is not offered without priority
    EXPECT_EQ(image.at(0x161), 5);  // kept, though the box empties
    EXPECT_TRUE(priorityChannelText(image).isEmpty());
    applyChoice(image, kModeItem, kSelected);
    EXPECT_EQ(image.at(0x164), 3);
    applyChoice(image, kRevert, 0);
    EXPECT_EQ(image.at(0x164), 2);
    applyChoice(image, kLookBackB, 1);
    EXPECT_EQ(image.at(0x163), 2);
    applyChoice(image, kLookBackA, 0);
    EXPECT_EQ(image.at(0x162), 0);
    EXPECT_EQ(image.at(0x163), 2);
    image.setAt(0x160, 7);  // beyond Selected reads as Selected
    EXPECT_EQ(shownText(image, kModeItem, Language::English), "Selected");
}

TEST(Scan, PriorityChannelOnlyInFixedMode)
{
    RadioImage image = withRow({kFixed, 0xFF});
    EXPECT_EQ(enterPriorityChannel(image, "1"), PriorityChannelEntry::Stored);
    EXPECT_EQ(image.at(0x161), 1);
    EXPECT_EQ(enterPriorityChannel(image, "17"), PriorityChannelEntry::OutOfRange);
    EXPECT_EQ(enterPriorityChannel(image, "0"), PriorityChannelEntry::OutOfRange);
    // The emptied box after the message neither stores nor repeats the message.
    EXPECT_EQ(enterPriorityChannel(image, ""), PriorityChannelEntry::Ignored);
    EXPECT_EQ(enterPriorityChannel(image, "16"), PriorityChannelEntry::Stored);
    EXPECT_EQ(priorityChannelText(image), "16");
    image.setAt(0x160, kSelected);
    EXPECT_EQ(enterPriorityChannel(image, "3"), PriorityChannelEntry::Ignored);
    EXPECT_EQ(image.at(0x161), 16);
    EXPECT_TRUE(priorityChannelKeyAccepted("1", '7'));
    EXPECT_FALSE(priorityChannelKeyAccepted("17", '1'));
    EXPECT_FALSE(priorityChannelKeyAccepted("", 'a'));
}

} // namespace
