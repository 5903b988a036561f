#include "model/char_codec.h"
#include "model/frequency_codec.h"
#include "model/numeric_text.h"
#include "model/tone_table.h"

#include <gtest/gtest.h>

using namespace r5;

namespace {

TEST(FrequencyCodec, ShowsMegahertzWithFiveDecimals)
{
    const std::pair<FrequencyBytes, const char*> cases[] = {
        // Below 100 MHz (eight characters) is the test-frequency grid's case.
        {{0x05, 0x25, 0x61, 0x13}, "136.12505"},   // least significant byte first
        {{0xFF, 0xFF, 0xFF, 0xFF}, "1666.66665"},  // erased bytes, nibbles summed as they are
        // Out of form, padded exactly as the radio's editors always did:
        {{0x0A, 0x25, 0x00, 0x40}, "400.02510"},   // a nibble above 9 counts as its value
        {{0x00, 0x00, 0x50, 0x00}, "50000000"},    // one digit gets no point
        {{0x00, 0x50, 0x00, 0x00}, "0.050000"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(frequencyText(bytes), text);
}

TEST(FrequencyCodec, PacksByCharacterPosition)
{
    const struct {
        const char* text;
        bool twoDigit;
        FrequencyBytes bytes;
    } cases[] = {
        {"136.125", false, {0x00, 0x25, 0x61, 0x13}},     // trailing zeros may be left off
        {"145", false, {0x00, 0x00, 0x50, 0x14}},          // point position never looked at
        {"45.00000", true, {0x00, 0x00, 0x50, 0x04}},      // two-digit band gets a leading 0
        {"4x5.0", false, {0x00, 0x00, 0x50, 0x40}},        // non-digits count as 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(frequencyBytes(c.text, c.twoDigit), c.bytes) << c.text;
}

TEST(CharCodec, MapsPasswordCharactersAndFindsOnesWithoutAByteCode)
{
    // Lower case, digits and refused signs are typed in the tuning window test.
    for (const auto& [text, code] : {std::pair{" ", 32}, {"?", 11}, {"AB", 11}})
        EXPECT_EQ(codeOfCharacter(text), code) << text;
    EXPECT_EQ(characterOfCode(65), "A");
    EXPECT_EQ(characterOfCode(97), "");
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("aZ9 \u00e9\u00ff")), std::nullopt);
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("a\u0100")), QString::fromUtf8("\u0100"));
    EXPECT_EQ(firstCharWithoutByteCode(QString::fromUtf8("x😀")), QString::fromUtf8("😀"));
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    for (const auto& [text, value] : {std::pair{" 1 4 5 ", 145.0}, {"145.5.3", 145.5}, {"D023N", 0.0}, {"-3", -3.0}})
        EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text;
}

TEST(ToneTable, CodesAtTheEdgesOfEachBlock)
{
    // The inverted block follows from the normal one (below).
    const std::pair<int, int> codes[] = {{1, 0x029E}, {40, 0x2813}, {122, 0x29EC}};
    for (const auto& [index, value] : codes)
        EXPECT_EQ(ToneTable::code(index).value(), value) << index;
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
