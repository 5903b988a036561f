#include "files/file_picker_rules.h"

#include <gtest/gtest.h>

using namespace r5;
using Verdict = PickerNameCheck::Verdict;

namespace {

TEST(PickerNames, CharactersThenSuffix)
{
    const struct {
        const char* typed;
        const FilePickerKind& kind;
        Verdict verdict;
        const char* name;
    } cases[] = {
        {"  a.chann  ", kOpenChannelPicker, Verdict::Accepted, "a.chann"},
        {"a.CHANN", kSaveChannelPicker, Verdict::Accepted, "a.CHANN"},
        {".chann", kSaveChannelPicker, Verdict::Accepted, ".chann"},
        {"a.Chann", kOpenChannelPicker, Verdict::BadSuffix, "a.Chann"},
        {"hann", kOpenChannelPicker, Verdict::BadSuffix, "hann"},  // shorter than the suffix
        {"   ", kSaveChannelPicker, Verdict::BadSuffix, ""},
        {"*.chann", kOpenChannelPicker, Verdict::BadName, "*.chann"},
        {"a#b.chann", kOpenChannelPicker, Verdict::BadName, "a#b.chann"},
        {"sub/a.chann", kOpenChannelPicker, Verdict::BadName, "sub/a.chann"},
        {"a\\b.chann", kOpenChannelPicker, Verdict::BadName, "a\\b.chann"},
        {"$a.chann", kSaveChannelPicker, Verdict::BadName, "$a.chann"},
        {"# bad suffix too", kOpenChannelPicker, Verdict::BadName, "# bad suffix too"},
        {"a.chann ", kOpenAdjustPicker, Verdict::BadSuffix, "a.chann"},
        {"tune.ADJ", kSaveAdjustPicker, Verdict::Accepted, "tune.ADJ"},
    };
    for (const auto& c : cases) {
        const PickerNameCheck check = checkPickerName(c.typed, c.kind);
        EXPECT_EQ(check.verdict, c.verdict) << c.typed;
        EXPECT_EQ(check.name, c.name) << c.typed;
    }
}

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
