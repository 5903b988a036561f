// The two side keys: PF1 at 0x11D, PF2 at 0x11E.
#include "model/defaults.h"
#include "model/key_assignment.h"
#include "model/radio_models.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

struct KeyCase {
    quint8 stored;
    const char* english;
    quint8 writtenBack;
};

class KeyCodeTest : public testing::TestWithParam<KeyCase> {};

// PF1 holds the case's code, PF2 a plain one: showing both writes back each on its own cell.
TEST_P(KeyCodeTest, ShowsAndWritesBack)
{
    RadioImage image = startUpImage(kUhfModel);
    image.setAt(0x11C, 0x01);
    image.setAt(0x11D, GetParam().stored);
    image.setAt(0x11E, 0x06);
    EXPECT_EQ(keys::shownText(image, keys::kPf1, Language::English), GetParam().english);
    EXPECT_EQ(keys::shownText(image, keys::kPf2, Language::English), "Scan");
    keys::normaliseKeys(image);
    EXPECT_EQ(image.at(0x11D), GetParam().writtenBack);
    EXPECT_EQ(image.at(0x11E), 0x06);
    EXPECT_EQ(image.at(0x11C), 0x01);  // not a key cell
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCodeTest, testing::Values(
    KeyCase{0xFF, "None", 0xFF}, KeyCase{0x0C, "None", 0xFF}, KeyCase{0x80, "None", 0xFF},
    KeyCase{0x00, "Autodial", 0x00}, KeyCase{0x01, "Autodial", 0x00},  // 0x01 is read, never written
    KeyCase{0x02, "Key Lock", 0x02}, KeyCase{0x0B, "Temporary Delete", 0x0B}),
    [](const auto& info) { return "code" + std::to_string(info.param.stored); });

TEST(Keys, ChoiceWritesOnlyItsOwnKey)
{
    RadioImage image = startUpImage(kUhfModel);
    keys::assign(image, keys::kPf2, 11);
    EXPECT_EQ(image.at(0x11E), 0x0B);
    EXPECT_EQ(image.at(0x11D), 0xFF);
    keys::assign(image, keys::kPf1, 1);
    EXPECT_EQ(image.at(0x11D), 0x00);
    keys::assign(image, keys::kPf2, 0);  // None is 0xFF, not 0x00
    EXPECT_EQ(image.at(0x11E), 0xFF);
    EXPECT_EQ(keys::shownText(image, keys::kPf2, Language::Chinese), QString::fromUtf8("无"));
}

} // namespace
