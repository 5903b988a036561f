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
        {"   ", kSaveChannelPicker, Verdict::BadSuffix, ""},
        {"sub/a.chann", kOpenChannelPicker, Verdict::BadName, "sub/a.chann"},  // never outside the chosen folder
        {"# bad suffix too", kOpenChannelPicker, Verdict::BadName, "# bad suffix too"},  // the name is checked first
        {"a.chann ", kOpenAdjustPicker, Verdict::BadSuffix, "a.chann"},
    };
    for (const auto& c : cases) {
        const PickerNameCheck check = checkPickerName(c.typed, c.kind);
        EXPECT_EQ(std::pair(check.verdict, check.name), std::pair(c.verdict, QString(c.name))) << c.typed;
    }
}

// The window test shows the Chinese texts; the English one follows the language.
TEST(PickerMessages, FollowTheLanguage)
{
    EXPECT_EQ(pickerCheckMessage(checkPickerName("a.txt", kOpenChannelPicker), kOpenChannelPicker, Language::English),
              "Nullity file suffix name of channel parameter.");
}

// The window test joins a folder and a name; the root already ends in one.
TEST(PickerPath, RootAndFilters)
{
    EXPECT_EQ(composePickerPath("/", "a.chann"), "/a.chann");
    EXPECT_EQ(pickerFileFilters(kSaveAdjustPicker), QStringList({"*.adj", "*.ADJ"}));
}

} // namespace
