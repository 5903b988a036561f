#include "model/defaults.h"
#include "model/optional_features.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::options;

namespace {

// A stored value of row 19 (from a radio or a file), what its control shows
// and what showing the row writes back.
struct OptionCase {
    Item item;
    int stored;
    int position;
    int writtenBack;
    const char* english;
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << "cell " << int(c.item) << " = " << c.stored; }

class OptionValueTest : public testing::TestWithParam<OptionCase> {};

TEST_P(OptionValueTest, ShowsAndNormalises)
{
    const OptionCase& c = GetParam();
    const auto stored = static_cast<quint8>(c.stored);
    EXPECT_EQ(shownPosition(c.item, stored), c.position);
    EXPECT_EQ(normalised(c.item, stored), c.writtenBack);
    RadioImage image = startUpImage(kUhfModel);
    image.setCell(kRow, c.item, stored);
    EXPECT_EQ(shownText(image, c.item, false), QString::fromUtf8(c.english));
}

INSTANTIATE_TEST_SUITE_P(Options, OptionValueTest, testing::Values(
    OptionCase{kTimeOut, 0, 0, 1, "15"},        // 0 reads as 1
    OptionCase{kTimeOut, 8, 7, 8, "120"},
    OptionCase{kTimeOut, 40, 39, 40, "600"},
    OptionCase{kTimeOut, 41, 39, 40, "600"},    // beyond the list: the last choice
    OptionCase{kTimeOut, 0xFF, 39, 40, "600"},
    OptionCase{kSquelch, 9, 9, 9, "9"},
    OptionCase{kSquelch, 12, 9, 9, "9"},
    OptionCase{kVoice, 2, 2, 2, "English"},
    OptionCase{kVoice, 3, 2, 2, "English"},
    OptionCase{kPowerState, 5, 1, 1, "开机"},    // Chinese in both languages
    OptionCase{kCurrentChannel, 0, 0, 0, "1"},
    OptionCase{kCurrentChannel, 20, 15, 15, "16"},
    OptionCase{kVolume, 11, 11, 11, "12"},
    OptionCase{kVolume, 0xFF, 11, 11, "12"},
    OptionCase{kKeypadLock, 0x80, 1, 1, "On"},  // any nonzero value is a ticked box
    OptionCase{kKeypadLock, 0, 0, 0, "Off"},
    OptionCase{kBeep, 1, 1, 1, "On"}),
    [](const testing::TestParamInfo<OptionCase>& info) {
        return "cell" + std::to_string(info.param.item) + "_" + std::to_string(info.param.stored);
    });

TEST(Options, ChoicesAndWhatTheyWrite)
{
    const QStringList timeOut = choices(kTimeOut, true);
    ASSERT_EQ(timeOut.size(), 40);
    EXPECT_EQ(timeOut.first(), "15");
    EXPECT_EQ(timeOut.last(), "600");
    EXPECT_EQ(storedValue(kTimeOut, 39), 40);  // choosing 600 s writes 40 to 0x130
    EXPECT_EQ(storedValue(kVoice, 2), 2);      // choosing English writes 2 to 0x132
    EXPECT_EQ(choices(kSquelch, false).size(), 10);
    EXPECT_EQ(choices(kCurrentChannel, false).size(), 16);
    EXPECT_EQ(choices(kVolume, false).last(), "12");
    EXPECT_EQ(choices(kVoice, true), (QStringList{"关", "中文", "英语"}));
    EXPECT_EQ(choices(kVoice, false), (QStringList{"Off", "Chinese", "English"}));
    EXPECT_EQ(choices(kPowerState, false), (QStringList{"关机", "开机"}));
    EXPECT_TRUE(choices(kBeep, false).isEmpty());
}

TEST(Options, CaptionsWithoutAnEnglishFormStayChinese)
{
    EXPECT_EQ(caption(kTimeOut).in(Language::English), "Time Out Timer(TOT)[s]");
    EXPECT_EQ(caption(kTimeOut).in(Language::Chinese), "超时定时器(TOT)[秒]");
    for (Item item : {kKeypadLock, kPowerState, kCurrentChannel, kVolume})
        EXPECT_EQ(caption(item).in(Language::English), caption(item).in(Language::Chinese)) << item;
    EXPECT_EQ(caption(kBatterySave).in(Language::English), "Battery Save");
    EXPECT_EQ(kWindowTitle.in(Language::English), "Optional Features");
}

TEST(Options, StartUpRowIsAlreadyNormal)
{
    const RadioImage image = startUpImage(kUhfModel);
    for (int c = 0; c < kItemCount; ++c) {
        const auto item = static_cast<Item>(c);
        EXPECT_EQ(normalised(item, image.cell(kRow, c)), image.cell(kRow, c)) << c;
    }
}

} // namespace
