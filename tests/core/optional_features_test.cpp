// Row 19 (0x130 to 0x138): what a stored value shows as and what showing it
// writes back.
#include "model/defaults.h"
#include "model/optional_features.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::options;

namespace {

TEST(Options, ShowsAndWritesBack)
{
    const struct {
        Item item;
        int address;
        int stored;
        const char* english;
        int writtenBack;
    } cases[] = {
        {kTimeOut, 0x130, 0, "15", 1},        // 0 reads as 1
        {kTimeOut, 0x130, 41, "600", 40},     // beyond the list: the last choice
        {kKeypadLock, 0x133, 0x80, "On", 1},  // any nonzero value is a ticked box
        {kBatterySave, 0x134, 0, "Off", 0},
        {kPowerState, 0x136, 5, "开机", 1},    // Chinese in both languages
        {kVolume, 0x138, 0, "1", 0},
        {kVolume, 0x138, 0xFF, "12", 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.address << " holds " << c.stored);
        RadioImage image = startUpImage(kUhfModel);
        image.setAt(c.address, static_cast<quint8>(c.stored));
        EXPECT_EQ(shownText(image, c.item, Language::English), QString::fromUtf8(c.english));
        EXPECT_EQ(normalised(c.item, static_cast<quint8>(c.stored)), c.writtenBack);
    }
}

} // namespace
