// Scan settings, addressed as the radio's memory (0x160 to 0x168) so a wrong
// row, cell or byte order shows.
#include "model/defaults.h"
#include "model/radio_models.h"
#include "model/scan_info.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::scan;

namespace {

RadioImage withRow(std::initializer_list<int> cells)
{
    RadioImage image = startUpImage(kUhfModel);
    int a = 0x160;
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
    EXPECT_EQ(bytesAt(image, 0x15F, 18), "ff 02 ff 5b 5b 03 2c 01 2c 01 ff ff ff ff ff ff ff ff");
}

// Both delays are whole seconds as 16 bits, low byte first, capped at 300.
TEST(Scan, DelaysAreLowByteFirst)
{
    for (const auto& [item, low] : {std::pair{kDropout, 0x165}, std::pair{kDwell, 0x167}}) {
        SCOPED_TRACE(low);
        RadioImage image = withRow({0, 0, 0, 0, 0, 0, 0, 0, 0});
        image.setAt(low, 0x05);
        image.setAt(low + 1, 0x01);
        EXPECT_EQ(shownPosition(image, item), 261);
        image.setAt(low + 1, 0xFF);
        EXPECT_EQ(shownText(image, item, Language::English), "300");
        applyChoice(image, item, 258);
        EXPECT_EQ(bytesAt(image, low, 2), "02 01");
        applyChoice(image, item, 400);  // past the list: its last entry
        EXPECT_EQ(bytesAt(image, low, 2), "2c 01");
        EXPECT_EQ(bytesAt(image, low == 0x165 ? 0x167 : 0x165, 2), "00 00");
    }
}

TEST(Scan, LookBackAndRevertCodesShowAndWriteBack)
{
    const struct {
        quint8 code;
        const char* text;
        quint8 writtenBack;
    } lookBack[] = {{0, "0.50", 0}, {1, "0.50", 0},  // only 0 is written for 0.50 s
                    {2, "0.55", 2}, {11, "1.00", 11}, {91, "5.00", 91}, {95, "5.00", 91}};
    for (const auto& c : lookBack) {
        RadioImage image = withRow({kFixed, 1, c.code, 0x20});
        EXPECT_EQ(shownText(image, kLookBackA, Language::English), c.text) << int(c.code);
        normaliseRow(image);
        EXPECT_EQ(std::pair(image.at(0x162), image.at(0x163)), std::pair(c.writtenBack, quint8(0x20))) << int(c.code);
    }
    const struct {
        Mode mode;
        quint8 code;
        const char* shown;
        quint8 writtenBack;
    } revert[] = {
        {kSelected, 3, "Priority+Talk Back", 3}, {kSelected, 2, "Priority", 2},
        {kSelected, 0, "Priority", 2},  // a code of another mode's list
        {kNoPriority, 3, "Selected+Talk Back", 1}, {kNoPriority, 0, "Selected", 0},
        {kFixed, 2, "Priority", 2}, {kFixed, 0xFF, "Priority+Talk Back", 3},
    };
    for (const auto& c : revert) {
        SCOPED_TRACE(testing::Message() << c.mode << "/" << int(c.code));
        RadioImage image = withRow({c.mode, 1, 0, 0, c.code});
        EXPECT_EQ(shownText(image, kRevert, Language::English), c.shown);
        normaliseRow(image);
        EXPECT_EQ(image.at(0x164), c.writtenBack);
    }
}

TEST(Scan, ChoicesWriteTheirOwnCell)
{
    RadioImage image = withRow({kFixed, 5, 2, 2, 3});
    applyChoice(image, kModeItem, kNoPriority);
    // Priority+Talk Back is not offered without priority; the channel is kept, though the box empties.
    EXPECT_EQ(bytesAt(image, 0x160, 5), "00 05 02 02 01");
    EXPECT_TRUE(priorityChannelText(image).isEmpty());
    applyChoice(image, kModeItem, kSelected);
    EXPECT_EQ(image.at(0x164), 3);
    applyChoice(image, kRevert, 0);
    applyChoice(image, kLookBackB, 1);
    applyChoice(image, kLookBackA, 0);
    EXPECT_EQ(bytesAt(image, 0x160, 5), "02 05 00 02 02");
    image.setAt(0x160, 7);  // beyond Selected reads as Selected
    EXPECT_EQ(shownText(image, kModeItem, Language::English), "Selected");
}

TEST(Scan, PriorityChannelOnlyInFixedMode)
{
    RadioImage image = withRow({kFixed, 0xFF});
    // The emptied box after the message neither stores nor repeats the message.
    for (const auto& [typed, entry, stored] : {std::tuple{"1", PriorityChannelEntry::Stored, 1},
                                               {"17", PriorityChannelEntry::OutOfRange, 1},
                                               {"0", PriorityChannelEntry::OutOfRange, 1},
                                               {"", PriorityChannelEntry::Ignored, 1},
                                               {"16", PriorityChannelEntry::Stored, 16}}) {
        EXPECT_EQ(enterPriorityChannel(image, typed), entry) << typed;
        EXPECT_EQ(image.at(0x161), stored) << typed;
    }
    EXPECT_EQ(priorityChannelText(image), "16");
    image.setAt(0x160, kSelected);
    EXPECT_EQ(enterPriorityChannel(image, "3"), PriorityChannelEntry::Ignored);
    EXPECT_EQ(image.at(0x161), 16);
    EXPECT_TRUE(priorityChannelKeyAccepted("1", '7'));
    EXPECT_FALSE(priorityChannelKeyAccepted("17", '1'));
    EXPECT_FALSE(priorityChannelKeyAccepted("", 'a'));
}

} // namespace
