// How the frequency editors read a typed frequency: the band check (both ends
// included), the padding the codec packs, and the channel editors' stricter
// "storable as typed" check.
#include "model/frequency_codec.h"
#include "model/frequency_input.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

struct PadCase {
    const char* typed;
    const char* padded;
};

class PadFrequencyTest : public testing::TestWithParam<PadCase> {};

TEST_P(PadFrequencyTest, PadsTheNumberTheTextStartsWith)
{
    EXPECT_EQ(padFrequencyText(GetParam().typed), GetParam().padded);
}

INSTANTIATE_TEST_SUITE_P(FrequencyInput, PadFrequencyTest, testing::Values(
    PadCase{"145", "145.00000"}, PadCase{"145.0125", "145.01250"}, PadCase{" 14 5.5 ", "145.50000"},
    PadCase{"45.5", "45.50000"},                // below 100 MHz: eight characters
    PadCase{"145.1234567", "145.12345"},        // finer than 10 Hz is cut
    PadCase{"0145", "145.00000"}, PadCase{"145.5.3", "145.50000"},
    PadCase{"abc", ""}, PadCase{"-145", ""}),
    [](const auto& info) { return testing_names::caseName(info.param.typed); });

TEST(FrequencyInput, StorableOnlyWhenTheCodecKeepsWhatWasTyped)
{
    const struct {
        const char* text;
        bool twoDigit;
        bool storable;
    } cases[] = {
        {"145.5", false, true},         {" 145.12345 ", false, true},
        {"145.123456", false, false},   // the sixth decimal would be dropped
        {"145.1250000", false, true},   // ... unless it and all after it are zeros
        {"145.5.3", false, false},      // a second point: not the number it starts with
        {"0145.5", false, false},       // four digits before the point
        {"45.5", false, false},         {"45.5", true, true},
        {"145.5", true, false},         // a two-digit band cannot hold 145 MHz
        {"14a.5", false, false},        {"", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isStorableFrequencyText(c.text, c.twoDigit), c.storable) << c.text << c.twoDigit;
}

TEST(FrequencyInput, EntriesOutsideTheBandOrUnstorableBecomeBandLow)
{
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"145.5", "145.50000"}, {"136", "136.00000"}, {"175", "175.00000"},  // both band ends are accepted
        {"175.00001", nullptr}, {"135.99999", nullptr}, {"145.5.3", nullptr}, {"145.123456", nullptr},
    };
    for (const auto& c : cases) {
        const CheckedFrequency entry = checkFrequencyEntry(c.typed, 136, 175);
        EXPECT_EQ(entry.text, c.stored ? c.stored : "136.00000") << c.typed;
        EXPECT_EQ(entry.replaced, !c.stored) << c.typed;
    }
    EXPECT_EQ(classifyFrequency("x", 136, 175), FrequencyEntry::OutOfBand);  // letters read as 0
    EXPECT_EQ(classifyFrequency(" \t", 136, 175), FrequencyEntry::Empty);
    EXPECT_EQ(bandLowText(88), "88.00000");
    EXPECT_EQ(bandLowText(136.0125), "136.01250");
}

TEST(FrequencyInput, KeyFilterTakesDigitsAndThePoint)
{
    EXPECT_EQ(frequencyKey('5'), QChar('5'));
    EXPECT_EQ(frequencyKey('.'), QChar('.'));
    for (QChar ignored : {QChar('d'), QChar(','), QChar(0x0663)})  // 0x0663: an Arabic-Indic 3
        EXPECT_FALSE(frequencyKey(ignored)) << int(ignored.unicode());
}

} // namespace
