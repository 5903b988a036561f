#include "model/char_codec.h"
#include "model/frequency_codec.h"
#include "model/numeric_text.h"
#include "model/tone_table.h"
#include "test_names.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace r5;

namespace {

struct BcdCase {
    FrequencyBytes bytes;
    const char* text;
};

void PrintTo(const BcdCase& c, std::ostream* os) { *os << c.text; }

class FrequencyTextTest : public testing::TestWithParam<BcdCase> {};

TEST_P(FrequencyTextTest, ShowsMegahertzWithFiveDecimals)
{
    EXPECT_EQ(frequencyText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codecs, FrequencyTextTest, testing::Values(
    BcdCase{{0x00, 0x25, 0x00, 0x40}, "400.02500"},
    BcdCase{{0x00, 0x00, 0x00, 0x45}, "450.00000"},
    BcdCase{{0x00, 0x00, 0x50, 0x04}, "45.00000"},   // below 100 MHz: eight characters
    BcdCase{{0x00, 0x75, 0x59, 0x16}, "165.97500"},
    BcdCase{{0x00, 0x00, 0x50, 0x14}, "145.00000"},
    BcdCase{{0x05, 0x25, 0x61, 0x13}, "136.12505"},
    BcdCase{{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},  // erased bytes, nibbles summed as they are
    BcdCase{{0x00, 0x00, 0x00, 0x10}, "100.00000"},
    // Out of form, padded exactly as the radio maker's editors always did:
    BcdCase{{0x0A, 0x25, 0x00, 0x40}, "400.02510"},   // a nibble above 9 counts as its value
    BcdCase{{0x00, 0x00, 0x50, 0x00}, "50000000"},    // one digit gets no point
    BcdCase{{0x00, 0x50, 0x00, 0x00}, "0.050000"},
    BcdCase{{0x00, 0x00, 0x00, 0x00}, "00000000"}),
    [](const testing::TestParamInfo<BcdCase>& info) { return testing_names::caseName(info.param.text); });

struct TextCase {
    const char* text;
    bool twoDigit;
    FrequencyBytes bytes;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FrequencyBytesTest : public testing::TestWithParam<TextCase> {};

TEST_P(FrequencyBytesTest, PacksByCharacterPosition)
{
    EXPECT_EQ(frequencyBytes(GetParam().text, GetParam().twoDigit), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Codecs, FrequencyBytesTest, testing::Values(
    TextCase{"136.12500", false, {0x00, 0x25, 0x61, 0x13}},
    TextCase{"136.125", false, {0x00, 0x25, 0x61, 0x13}},     // trailing zeros may be left off
    TextCase{" 400.025 ", false, {0x00, 0x25, 0x00, 0x40}},
    TextCase{"145", false, {0x00, 0x00, 0x50, 0x14}},          // point position never looked at
    TextCase{"45.00000", true, {0x00, 0x00, 0x50, 0x04}},      // two-digit band gets a leading 0
    TextCase{"4x5.0", false, {0x00, 0x00, 0x50, 0x40}},        // non-digits count as 0
    TextCase{"", false, {0x00, 0x00, 0x00, 0x00}}),
    [](const testing::TestParamInfo<TextCase>& info) {
        return testing_names::caseName(info.param.text) + (info.param.twoDigit ? "_twoDigitBand" : "");
    });

TEST(toneCodeOf, TableCases)
{
    EXPECT_EQ(toneCodeOf("67.0"), (ToneCode{0x9E, 0x02}));
    EXPECT_EQ(toneCodeOf("88.5"), (ToneCode{0x75, 0x03}));
    EXPECT_EQ(toneCodeOf("FF"), ToneCode{});
    EXPECT_EQ(toneCodeOf("0"), std::nullopt);
    EXPECT_EQ(toneCodeOf("255"), std::nullopt);
    EXPECT_EQ(toneCodeOf("ff"), std::nullopt);  // only exactly "FF" means no tone
    EXPECT_EQ(toneCodeOf("abc"), std::nullopt);
    // A code whose low part would round up to 256 carries into the high byte.
    EXPECT_EQ(toneCodeOf("76.79"), (ToneCode{0x00, 0x03}));
}

TEST(CharCodec, MapsPasswordCharacters)
{
    EXPECT_EQ(codeOfCharacter("q"), 81);
    EXPECT_EQ(codeOfCharacter("Q"), 81);
    EXPECT_EQ(codeOfCharacter("7"), '7');
    EXPECT_EQ(codeOfCharacter("+"), '+');
    EXPECT_EQ(codeOfCharacter(" "), 32);
    EXPECT_EQ(codeOfCharacter("?"), 11);
    EXPECT_EQ(codeOfCharacter(""), 11);
    EXPECT_EQ(codeOfCharacter("AB"), 11);
    EXPECT_EQ(characterOfCode(97), "");
    EXPECT_EQ(characterOfCode(65), "A");
    EXPECT_EQ(characterOfCode(45), "-");
    EXPECT_EQ(characterOfCode(255), "");
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    EXPECT_DOUBLE_EQ(leadingNumber("145.5"), 145.5);
    EXPECT_DOUBLE_EQ(leadingNumber(" 1 4 5 "), 145);
    EXPECT_DOUBLE_EQ(leadingNumber("145.5.3"), 145.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1a"), 1);
    EXPECT_DOUBLE_EQ(leadingNumber("D023N"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-3"), -3);
    EXPECT_DOUBLE_EQ(leadingNumber("."), 0);
}

TEST(ToneTable, NamesCodesAndPadding)
{
    EXPECT_EQ(ToneTable::paddedName(0), " OFF     ");
    EXPECT_EQ(ToneTable::paddedName(1), " 67.0    ");
    EXPECT_EQ(ToneTable::paddedName(9), " 88.5    ");
    EXPECT_EQ(ToneTable::paddedName(10), "    91.5    ");
    EXPECT_EQ(ToneTable::paddedName(13), "    100.0   ");
    EXPECT_EQ(ToneTable::paddedName(40), "    D023N   ");
    EXPECT_EQ(ToneTable::paddedName(100), "   D503N   ");
    EXPECT_EQ(ToneTable::paddedName(205), "   D754I   ");
    EXPECT_EQ(ToneTable::code(0), ToneCode{});
    EXPECT_EQ(ToneTable::code(1).value(), 0x029E);
    EXPECT_EQ(ToneTable::code(39).value(), 0x09C7);
    EXPECT_EQ(ToneTable::code(40).value(), 0x2813);
    EXPECT_EQ(ToneTable::code(122).value(), 0x29EC);
    EXPECT_EQ(ToneTable::code(123).value(), 0xA813);
    EXPECT_EQ(ToneTable::code(205).value(), 0xA9EC);
}

TEST(ToneTable, NamesAreUniqueAndInvertedBlockMirrorsNormal)
{
    QSet<QString> names;
    for (int i = 0; i < ToneTable::kCount; ++i)
        names.insert(ToneTable::trimmedName(i));
    EXPECT_EQ(names.size(), ToneTable::kCount);
    for (int i = ToneTable::kFirstDcsInverted; i < ToneTable::kCount; ++i) {
        const QString inverted = ToneTable::trimmedName(i);
        const QString normal = ToneTable::trimmedName(i - ToneTable::kDcsCount);
        EXPECT_EQ(inverted.chopped(1), normal.chopped(1));
        EXPECT_TRUE(inverted.endsWith('I') && normal.endsWith('N'));
        EXPECT_EQ(ToneTable::code(i).value() - ToneTable::code(i - ToneTable::kDcsCount).value(), 0x8000);
    }
    for (int i = 0; i < ToneTable::kCount; ++i)
        EXPECT_EQ(ToneTable::indexOf(ToneTable::code(i)), i);
}

} // namespace
