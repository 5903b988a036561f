#include "files/file_picker_rules.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;
using Verdict = PickerNameCheck::Verdict;

namespace {

struct NameCase {
    const char* typed;
    const FilePickerKind* kind;
    Verdict verdict;
    const char* name;
};

class PickerNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(PickerNameTest, ChecksCharactersThenSuffix)
{
    const NameCase& c = GetParam();
    const PickerNameCheck check = checkPickerName(QString::fromUtf8(c.typed), *c.kind);
    EXPECT_EQ(check.verdict, c.verdict);
    EXPECT_EQ(check.name, QString::fromUtf8(c.name));
}

INSTANTIATE_TEST_SUITE_P(Pickers, PickerNameTest, testing::Values(
    NameCase{"  a.chann  ", &kOpenChannelPicker, Verdict::Accepted, "a.chann"},
    NameCase{"a.CHANN", &kSaveChannelPicker, Verdict::Accepted, "a.CHANN"},
    NameCase{".chann", &kSaveChannelPicker, Verdict::Accepted, ".chann"},
    NameCase{"a.Chann", &kOpenChannelPicker, Verdict::BadSuffix, "a.Chann"},
    NameCase{"hann", &kOpenChannelPicker, Verdict::BadSuffix, "hann"},  // shorter than the suffix
    NameCase{"   ", &kSaveChannelPicker, Verdict::BadSuffix, ""},
    NameCase{"*.chann", &kOpenChannelPicker, Verdict::BadName, "*.chann"},
    NameCase{"a#b.chann", &kOpenChannelPicker, Verdict::BadName, "a#b.chann"},
    NameCase{"sub/a.chann", &kOpenChannelPicker, Verdict::BadName, "sub/a.chann"},
    NameCase{"a\\b.chann", &kOpenChannelPicker, Verdict::BadName, "a\\b.chann"},
    NameCase{"$a.chann", &kSaveChannelPicker, Verdict::BadName, "$a.chann"},
    NameCase{"# bad suffix too", &kOpenChannelPicker, Verdict::BadName, "# bad suffix too"},
    NameCase{"a.chann ", &kOpenAdjustPicker, Verdict::BadSuffix, "a.chann"},
    NameCase{"tune.ADJ", &kSaveAdjustPicker, Verdict::Accepted, "tune.ADJ"}),
    [](const auto& info) { return testing_names::caseName(info.param.typed); });

TEST(PickerMessages, EachVerdictShowsItsPickersText)
{
    EXPECT_EQ(pickerCheckMessage(checkPickerName("a#b.chann", kSaveChannelPicker), kSaveChannelPicker, Language::Chinese),
              QString::fromUtf8("保存信道参数所需要的文件名无效 "));
    EXPECT_EQ(pickerCheckMessage(checkPickerName("a.txt", kSaveChannelPicker), kSaveChannelPicker, Language::English),
              QString::fromUtf8("Advice don't modify file suffix name of system default ！"));
    EXPECT_EQ(pickerCheckMessage(checkPickerName("a.txt", kOpenChannelPicker), kOpenChannelPicker, Language::English),
              "Nullity file suffix name of channel parameter.");
    EXPECT_TRUE(pickerCheckMessage(checkPickerName("a.chann", kOpenChannelPicker), kOpenChannelPicker, Language::Chinese).isEmpty());
}

TEST(PickerPath, JoinsDirectoryAndNameWithOneSeparator)
{
    EXPECT_EQ(composePickerPath("/home/dealer", "a.chann"), "/home/dealer/a.chann");
    EXPECT_EQ(composePickerPath("/", "a.chann"), "/a.chann");
    EXPECT_EQ(pickerFileFilters(kSaveAdjustPicker), QStringList({"*.adj", "*.ADJ"}));
}

} // namespace
