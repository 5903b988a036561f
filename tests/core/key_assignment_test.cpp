#include "model/defaults.h"
#include "model/key_assignment.h"
#include "model/radio_models.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

struct KeyCase {
    quint8 stored;
    int position;
    quint8 writtenBack;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "code 0x" << testing_names::hexByte(c.stored); }

class KeyCodeTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCodeTest, ShowsAndNormalises)
{
    EXPECT_EQ(keys::shownPosition(GetParam().stored), GetParam().position);
    EXPECT_EQ(keys::normalised(GetParam().stored), GetParam().writtenBack);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCodeTest, testing::Values(
    KeyCase{0xFF, 0, 0xFF},   // erased: None
    KeyCase{0x0C, 0, 0xFF},   // first code past the list
    KeyCase{0x80, 0, 0xFF},
    KeyCase{0x00, 1, 0x00},   // Autodial
    KeyCase{0x01, 1, 0x00},   // the radio's other Autodial code is never written
    KeyCase{0x02, 2, 0x02},
    KeyCase{0x0B, 11, 0x0B}), // last entry
    [](const testing::TestParamInfo<KeyCase>& info) { return "code" + testing_names::hexByte(info.param.stored); });

TEST(Keys, ChoiceWritesOnlyItsOwnKey)
{
    RadioImage image = startUpImage(kUhfModel);
    keys::assign(image, keys::kPf2, 11);
    EXPECT_EQ(image.at(0x11E), 0x0B);
    EXPECT_EQ(image.at(0x11D), 0xFF);
    EXPECT_EQ(keys::address(keys::kPf1), 0x11D);

    keys::assign(image, keys::kPf2, 0);  // None is 0xFF, not 0x00
    EXPECT_EQ(image.at(0x11E), 0xFF);
    keys::assign(image, keys::kPf1, 1);
    EXPECT_EQ(image.at(0x11D), 0x00);
    EXPECT_EQ(keys::shownText(image, keys::kPf1, false), "Autodial");
    EXPECT_EQ(keys::shownText(image, keys::kPf2, true), QString::fromUtf8("无"));
}

TEST(Keys, ShowingNormalisesBothKeysOnly)
{
    RadioImage image = startUpImage(kUhfModel);
    image.setAt(0x11D, 0x01);
    image.setAt(0x11E, 0x80);
    image.setAt(0x11C, 0x01);
    keys::normaliseKeys(image);
    EXPECT_EQ(image.at(0x11D), 0x00);
    EXPECT_EQ(image.at(0x11E), 0xFF);
    EXPECT_EQ(image.at(0x11C), 0x01);  // not a key cell
}

TEST(Keys, ListsMatchInBothLanguages)
{
    const QStringList zh = keys::choices(true);
    const QStringList en = keys::choices(false);
    ASSERT_EQ(zh.size(), keys::kFunctionCount);
    ASSERT_EQ(en.size(), keys::kFunctionCount);
    EXPECT_EQ(zh[7], QString::fromUtf8("扫描 + 暂时删除"));
    EXPECT_EQ(en[7], "Scan+Temporary Delete");
    EXPECT_EQ(en[11], "Temporary Delete");
    EXPECT_EQ(keys::kWindowTitle.in(Language::English), "Key Assingment");
}

} // namespace
