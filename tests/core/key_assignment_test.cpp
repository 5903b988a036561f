// The two side keys: PF1 at 0x11D, PF2 at 0x11E.
#include "model/defaults.h"
#include "model/key_assignment.h"
#include "model/radio_models.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

// PF1 holds the case's code, PF2 a plain one: showing both writes back each on
// its own cell. Codes above 0x0C read as 0x0C does; 0x01 and the cells around
// are the window test's.
TEST(Keys, ShowsAndWritesBack)
{
    const struct {
        quint8 stored;
        const char* english;
        const char* writtenBack;
    } cases[] = {{0x0C, "None", "ff"}, {0x0B, "Temporary Delete", "0b"}, {0x00, "Autodial", "00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.stored));
        RadioImage image = startUpImage(kUhfModel);
        image.setAt(0x11D, c.stored);
        image.setAt(0x11E, 0x06);
        EXPECT_EQ(keys::shownText(image, keys::kPf1, Language::English), c.english);
        keys::normaliseKeys(image);
        EXPECT_EQ(bytesAt(image, 0x11D, 2), std::string(c.writtenBack) + " 06");
    }
}

TEST(Keys, ChoiceWritesOnlyItsOwnKey)
{
    RadioImage image = startUpImage(kUhfModel);
    keys::assign(image, keys::kPf2, 11);
    EXPECT_EQ(bytesAt(image, 0x11D, 2), "ff 0b");
    keys::assign(image, keys::kPf1, 1);
    keys::assign(image, keys::kPf2, 0);  // None is 0xFF, not 0x00
    EXPECT_EQ(bytesAt(image, 0x11D, 2), "00 ff");
    EXPECT_EQ(keys::shownText(image, keys::kPf2, Language::Chinese), QString::fromUtf8("无"));
}

} // namespace
