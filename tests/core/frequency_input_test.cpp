// The channel editors' stricter reading of a typed frequency (the padding and
// the band check themselves are tested with the test-frequency grid).
#include "model/frequency_codec.h"
#include "model/frequency_input.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(FrequencyInput, StorableOnlyWhenTheCodecKeepsWhatWasTyped)
{
    const struct {
        const char* text;
        bool twoDigit;
        bool storable;
    } cases[] = {
        // Blanks, a second point, a fourth digit and digits finer than 10 Hz
        // are the cases of checkFrequencyEntry below.
        {"145.", false, true},
        {"45.5", false, false}, {"45.5", true, true},
        {"145.5", true, false},        // a two-digit band cannot hold 145 MHz
        {"14a.5", false, false}, {"145.5x", false, false},
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
        // The band's ends are the test-frequency grid's, which shares the check.
        {"145.5.3", "136.00000", true},    // reads as 145.5, but that is not what was typed
        {"0145.5", "136.00000", true},
        {"145.1234567", "145.12345", false}, // finer than 10 Hz is cut
        {" 145.5 ", "145.50000", false},   // blanks do not count
    };
    for (const auto& c : cases) {
        const CheckedFrequency entry = checkFrequencyEntry(c.typed, 136, 175);
        EXPECT_EQ(entry.text, c.stored) << c.typed;
        EXPECT_EQ(entry.replaced, c.replaced) << c.typed;
        EXPECT_EQ(frequencyText(frequencyBytes(entry.text)), entry.text) << c.typed;
    }
}

// Letters, blanks and commas are typed in the window tests.
TEST(FrequencyInput, KeyFilterTakesOnlyAsciiDigits)
{
    EXPECT_FALSE(frequencyKey(QChar(0x0663)));  // an Arabic-Indic 3
}

} // namespace
