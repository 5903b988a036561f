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

// Both delays are whole seconds as 16 bits, low byte first, capped at 300.
// (Writing low byte first and the erased row's cap are the window test's.)
TEST(Scan, DelaysAreLowByteFirst)
{
    for (const auto& [item, low] : {std::pair{kDropout, 0x165}, std::pair{kDwell, 0x167}}) {
        RadioImage image = withRow({0, 0, 0, 0, 0, 0, 0, 0, 0});
        image.setAt(low, 0x05);
        image.setAt(low + 1, 0x01);
        EXPECT_EQ(shownPosition(image, item), 261) << low;
        image.setAt(low + 1, 0xFF);
        EXPECT_EQ(shownText(image, item, Language::English), "300") << low;
    }
}

TEST(Scan, LookBackAndRevertCodesShowAndWriteBack)
{
    const struct {
        quint8 code;
        const char* text;
        quint8 writtenBack;
    } lookBack[] = {{0, "0.50", 0}, {1, "0.50", 0},  // only 0 is written for 0.50 s
                    {11, "1.00", 11}, {95, "5.00", 91}};
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
        {kSelected, 2, "Priority", 2},
        {kSelected, 0, "Priority", 2},  // a code of another mode's list
        {kNoPriority, 3, "Selected+Talk Back", 1}, {kFixed, 0xFF, "Priority+Talk Back", 3},
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
}

TEST(Scan, PriorityChannelOnlyInFixedMode)
{
    RadioImage image = withRow({kFixed, 0xFF});
    // 1 and 17 are typed in the window test; the emptied box after the message
    // neither stores nor repeats the message.
    for (const auto& [typed, entry] : {std::pair{"16", PriorityChannelEntry::Stored},
                                       {"0", PriorityChannelEntry::OutOfRange}, {"", PriorityChannelEntry::Ignored}})
        EXPECT_EQ(enterPriorityChannel(image, typed), entry) << typed;
    EXPECT_EQ(priorityChannelText(image), "16");
    image.setAt(0x160, kSelected);
    EXPECT_EQ(enterPriorityChannel(image, "3"), PriorityChannelEntry::Ignored);
    EXPECT_EQ(image.at(0x161), 16);
}

} // namespace
