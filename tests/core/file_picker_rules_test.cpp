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

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class PickerNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(PickerNameTest, ChecksCharactersThenSuffix)
{
    const NameCase& c = GetParam();
    const PickerNameCheck check = checkPickerName(QString::fromUtf8(c.typed), *c.kind);
    EXPECT_EQ(check.verdict, c.verdict) << c.typed;
    EXPECT_EQ(check.name, QString::fromUtf8(c.name));
}

INSTANTIATE_TEST_SUITE_P(Pickers, PickerNameTest, testing::Values(
    NameCase{"  a.chann  ", &kOpenChannelPicker, Verdict::Accepted, "a.chann"},
    NameCase{"a.CHANN", &kSaveChannelPicker, Verdict::Accepted, "a.CHANN"},
    NameCase{"a.Chann", &kOpenChannelPicker, Verdict::BadSuffix, "a.Chann"},
    NameCase{"a#b.chann", &kOpenChannelPicker, Verdict::BadName, "a#b.chann"},
    NameCase{".chann", &kSaveChannelPicker, Verdict::Accepted, ".chann"},
    NameCase{"*.chann", &kOpenChannelPicker, Verdict::BadName, "*.chann"},
    NameCase{"sub/a.chann", &kOpenChannelPicker, Verdict::BadName, "sub/a.chann"},
    NameCase{"a\\b.chann", &kOpenChannelPicker, Verdict::BadName, "a\\b.chann"},
    NameCase{"$a.chann", &kOpenChannelPicker, Verdict::BadName, "$a.chann"},
    NameCase{"# bad suffix too", &kOpenChannelPicker, Verdict::BadName, "# bad suffix too"},
    NameCase{"hann", &kOpenChannelPicker, Verdict::BadSuffix, "hann"},  // shorter than the suffix
    NameCase{"   ", &kSaveChannelPicker, Verdict::BadSuffix, ""},
    NameCase{"\ta.chann", &kOpenChannelPicker, Verdict::Accepted, "\ta.chann"},  // only spaces are trimmed
    NameCase{"信道.chann", &kSaveChannelPicker, Verdict::Accepted, "信道.chann"},
    NameCase{"a.chann ", &kOpenAdjustPicker, Verdict::BadSuffix, "a.chann"},
    NameCase{"tune.ADJ", &kSaveAdjustPicker, Verdict::Accepted, "tune.ADJ"},
    NameCase{"tune.Adj", &kOpenAdjustPicker, Verdict::BadSuffix, "tune.Adj"}),
    [](const testing::TestParamInfo<NameCase>& info) { return testing_names::caseName(info.param.typed); });

TEST(PickerMessages, EachVerdictShowsItsInstanceText)
{
    const PickerNameCheck badName = checkPickerName("a#b.chann", kSaveChannelPicker);
    const PickerNameCheck badSuffix = checkPickerName("a.txt", kSaveChannelPicker);
    EXPECT_EQ(pickerCheckMessage(badName, kSaveChannelPicker, Language::Chinese),
              QString::fromUtf8("保存信道参数所需要的文件名无效 "));
    EXPECT_EQ(pickerCheckMessage(badSuffix, kSaveChannelPicker, Language::English),
              QString::fromUtf8("Advice don't modify file suffix name of system default ！"));
    EXPECT_EQ(pickerCheckMessage(checkPickerName("a.txt", kOpenChannelPicker), kOpenChannelPicker, Language::English),
              "Nullity file suffix name of channel parameter.");
    EXPECT_TRUE(pickerCheckMessage(checkPickerName("a.chann", kOpenChannelPicker), kOpenChannelPicker, Language::Chinese).isEmpty());
}

TEST(PickerPath, JoinsDirectoryAndNameWithOneSeparator)
{
    EXPECT_EQ(composePickerPath("/home/dealer/radios", "a.chann"), "/home/dealer/radios/a.chann");
    EXPECT_EQ(composePickerPath("/", "a.chann"), "/a.chann");
    EXPECT_EQ(composePickerPath("/media/usb/", ".chann"), "/media/usb/.chann");
}

TEST(PickerPattern, StartsTheNameBoxAndFiltersBothSpellings)
{
    EXPECT_EQ(pickerPattern(kOpenChannelPicker), "*.chann");
    EXPECT_EQ(pickerFileFilters(kSaveAdjustPicker), QStringList({"*.adj", "*.ADJ"}));
}

} // namespace
