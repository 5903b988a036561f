#include "model/frequency_input.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(FrequencyInput, PadsToTheCodecForm)
{
    const struct {
        const char* typed;
        const char* padded;
    } cases[] = {
        {"145.5", "145.50000"},
        {"400.025", "400.02500"},
        {"145.", "145.00000"},
        {"145", "145000000"},          // no point: the codec never looks at position 4
        {"45.5", "45.50000"},          // below 100 MHz: eight characters
        {"400.02500", "400.02500"},    // already full
        {"1666.66665", "1666.66665"},  // longer texts are left alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(padFrequencyText(c.typed), c.padded) << c.typed;
}

TEST(FrequencyInput, BandLowTextForEachBand)
{
    EXPECT_EQ(bandLowText(136), "136.00000");
    EXPECT_EQ(bandLowText(400), "400.00000");
    EXPECT_EQ(bandLowText(100), "100.00000");
    EXPECT_EQ(bandLowText(45), "45.00000");
}

TEST(FrequencyInput, StorableOnlyWhenTheCodecKeepsWhatWasTyped)
{
    const struct {
        const char* text;
        bool twoDigit;
        bool storable;
    } cases[] = {
        {"145.5", false, true},
        {"145", false, true},
        {"145.", false, true},
        {"145.12345", false, true},
        {"145.123456", false, false},  // the sixth decimal would be dropped
        {"145.5.3", false, false},     // a second point would be read as a digit 0
        {"0145.5", false, false},      // four digits before the point
        {"45.5", false, false},
        {"45.5", true, true},
        {"145.5", true, false},        // a two-digit band cannot hold 145 MHz
        {"14a.5", false, false},
        {".5", false, false},
        {"", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isStorableFrequencyText(c.text, c.twoDigit), c.storable) << c.text;
}

TEST(FrequencyInput, EntriesOutsideTheBandOrUnstorableBecomeBandLow)
{
    const struct {
        const char* typed;
        const char* stored;
        bool replaced;
    } cases[] = {
        {"145.5", "145.50000", false},
        {"136", "136000000", false},       // both band ends are accepted
        {"175", "175000000", false},
        {"175.0001", "136.00000", true},
        {"100", "136.00000", true},
        {"145.5.3", "136.00000", true},    // reads as 145.5, but cannot be stored as typed
        {"0145.5", "136.00000", true},
        {" 145.5 ", "145.50000", false},   // blanks are dropped before the check
        {"14 5.5", "145.50000", false},
    };
    for (const auto& c : cases) {
        const FrequencyEntry entry = checkFrequencyEntry(c.typed, 136, 175);
        EXPECT_EQ(entry.text, c.stored) << c.typed;
        EXPECT_EQ(entry.replaced, c.replaced) << c.typed;
    }
}

TEST(FrequencyInput, KeyFilterTakesDigitsAndThePoint)
{
    EXPECT_EQ(frequencyKey('5'), QChar('5'));
    EXPECT_EQ(frequencyKey('.'), QChar('.'));
    for (QChar ignored : {QChar('d'), QChar(','), QChar(' '), QChar(0x0663)})  // 0x0663: an Arabic-Indic 3
        EXPECT_FALSE(frequencyKey(ignored)) << int(ignored.unicode());
}

} // namespace
