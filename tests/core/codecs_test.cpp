#include "model/char_codec.h"
#include "model/frequency_codec.h"
#include "model/numeric_text.h"
#include "model/tone_table.h"
#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

struct BcdCase {
    FrequencyBytes bytes;
    const char* text;
};

class FrequencyTextTest : public testing::TestWithParam<BcdCase> {};

TEST_P(FrequencyTextTest, ShowsMegahertzWithFiveDecimals)
{
    EXPECT_EQ(frequencyText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codecs, FrequencyTextTest, testing::Values(
    BcdCase{{0x05, 0x25, 0x61, 0x13}, "136.12505"},   // least significant byte first
    BcdCase{{0x00, 0x00, 0x50, 0x04}, "45.00000"},    // below 100 MHz: eight characters
    BcdCase{{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},  // erased bytes, nibbles summed as they are
    // Out of form, padded exactly as the radio's editors always did:
    BcdCase{{0x0A, 0x25, 0x00, 0x40}, "400.02510"},   // a nibble above 9 counts as its value
    BcdCase{{0x00, 0x00, 0x50, 0x00}, "50000000"},    // one digit gets no point
    BcdCase{{0x00, 0x50, 0x00, 0x00}, "0.050000"}),
    [](const auto& info) { return testing_names::caseName(info.param.text); });

struct TextCase {
    const char* text;
    bool twoDigit;
    FrequencyBytes bytes;
};

class FrequencyBytesTest : public testing::TestWithParam<TextCase> {};

TEST_P(FrequencyBytesTest, PacksByCharacterPosition)
{
    EXPECT_EQ(frequencyBytes(GetParam().text, GetParam().twoDigit), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Codecs, FrequencyBytesTest, testing::Values(
    TextCase{"136.12505", false, {0x05, 0x25, 0x61, 0x13}},
    TextCase{"136.125", false, {0x00, 0x25, 0x61, 0x13}},     // trailing zeros may be left off
    TextCase{"145", false, {0x00, 0x00, 0x50, 0x14}},          // point position never looked at
    TextCase{"45.00000", true, {0x00, 0x00, 0x50, 0x04}},      // two-digit band gets a leading 0
    TextCase{"4x5.0", false, {0x00, 0x00, 0x50, 0x40}}),       // non-digits count as 0
    [](const auto& info) {
        return testing_names::caseName(info.param.text) + (info.param.twoDigit ? "_twoDigitBand" : "");
    });

TEST(toneCodeOf, LowByteFirstAndOnlyExactlyFFForNone)
{
    EXPECT_EQ(toneCodeOf("67.0"), (ToneCode{0x9E, 0x02}));
    EXPECT_EQ(toneCodeOf("FF"), ToneCode{});
    EXPECT_EQ(toneCodeOf("ff"), std::nullopt);
    EXPECT_EQ(toneCodeOf("0"), std::nullopt);
    EXPECT_EQ(toneCodeOf("255"), std::nullopt);
    // A code whose low part would round up to 256 carries into the high byte.
    EXPECT_EQ(toneCodeOf("76.79"), (ToneCode{0x00, 0x03}));
}

TEST(CharCodec, MapsPasswordCharacters)
{
    EXPECT_EQ(codeOfCharacter("q"), 81);
    EXPECT_EQ(codeOfCharacter("7"), '7');
    EXPECT_EQ(codeOfCharacter(" "), 32);
    EXPECT_EQ(codeOfCharacter("?"), 11);
    EXPECT_EQ(codeOfCharacter("AB"), 11);
    EXPECT_EQ(characterOfCode(65), "A");
    EXPECT_EQ(characterOfCode(97), "");
}

TEST(CharCodec, FindsThePasswordCharacterWithoutAByteCode)
{
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("aZ9 \u00e9\u00ff")), std::nullopt);
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("a\u0100")), QString::fromUtf8("\u0100"));
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("1密码")), QString::fromUtf8("密"));
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("x😀")), QString::fromUtf8("😀"));
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    EXPECT_DOUBLE_EQ(leadingNumber(" 1 4 5 "), 145);
    EXPECT_DOUBLE_EQ(leadingNumber("145.5.3"), 145.5);
    EXPECT_DOUBLE_EQ(leadingNumber("D023N"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
}

TEST(ToneTable, CodesAtTheEdgesOfEachBlock)
{
    const std::pair<int, int> codes[] = {{1, 0x029E}, {39, 0x09C7}, {40, 0x2813}, {122, 0x29EC},
                                          {123, 0xA813}, {205, 0xA9EC}};
    for (const auto& [index, value] : codes)
        EXPECT_EQ(ToneTable::code(index).value(), value) << index;
    EXPECT_EQ(ToneTable::code(0), ToneCode{});
    EXPECT_EQ(ToneTable::paddedName(40), "    D023N   ");
    EXPECT_EQ(ToneTable::paddedName(205), "   D754I   ");
}

TEST(ToneTable, InvertedBlockMirrorsTheNormalOne)
{
    for (int i = ToneTable::kFirstDcsInverted; i < ToneTable::kCount; ++i) {
        const int normal = i - ToneTable::kDcsCount;
        EXPECT_EQ(ToneTable::trimmedName(i), ToneTable::trimmedName(normal).chopped(1) + "I") << i;
        EXPECT_EQ(ToneTable::code(i).value() - ToneTable::code(normal).value(), 0x8000) << i;
    }
    for (int i = 0; i < ToneTable::kCount; ++i)
        EXPECT_EQ(ToneTable::indexOf(ToneTable::code(i)), i);
}

} // namespace
