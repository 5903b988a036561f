// The 16 test channels, 8 bytes each from 0x280: receive, then transmit.
#include "model/defaults.h"
#include "model/radio_models.h"
#include "model/test_frequencies.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::testfreq;

namespace {

constexpr double kLow = 136;
constexpr double kHigh = 174;

void expectBytes(const RadioImage& image, int address, std::array<quint8, 4> bytes)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.at(address + i), bytes[static_cast<size_t>(i)]) << std::hex << address + i;
}

TEST(TestFrequencies, EachLineStoresItsOwnEightBytes)
{
    RadioImage image = startUpImage(kUhfModel);
    TestLines lines = readTestLines(image);
    for (const TestLine& line : lines)
        EXPECT_TRUE(line.receive.isEmpty() && line.transmit.isEmpty());
    lines[1] = {"145.50000", "146.00000"};
    lines[15] = {"150.12500", "150.00000"};
    storeTestLines(image, lines);
    expectBytes(image, 0x288, {0x00, 0x00, 0x55, 0x14});
    expectBytes(image, 0x28C, {0x00, 0x00, 0x60, 0x14});
    expectBytes(image, 0x2F8, {0x00, 0x25, 0x01, 0x15});
    expectBytes(image, 0x2FC, {0x00, 0x00, 0x00, 0x15});
    expectBytes(image, 0x284, {0xFF, 0xFF, 0xFF, 0xFF});
    expectBytes(image, 0x290, {0xFF, 0xFF, 0xFF, 0xFF});
    expectBytes(image, 0x300, {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(shownText(image, 2, kTransmit), "146.00000");

    lines[15] = {"", ""};
    storeTestLines(image, lines);
    expectBytes(image, 0x2F8, {0xFF, 0xFF, 0xFF, 0xFF});
    expectBytes(image, 0x2FC, {0xFF, 0xFF, 0xFF, 0xFF});
    expectBytes(image, 0x28C, {0x00, 0x00, 0x60, 0x14});
}

// A stored 45 MHz would come back as 450 MHz through its text: an untouched
// cell keeps its bytes.
TEST(TestFrequencies, UntouchedCellsKeepTheirBytes)
{
    RadioImage image = startUpImage(kUhfModel);
    setFrequency(image, 16, kReceive, {0x00, 0x00, 0x50, 0x04});
    TestLines lines = readTestLines(image);
    EXPECT_EQ(lines[15].receive, "45.00000");
    storeTestLines(image, lines);
    expectBytes(image, 0x2F8, {0x00, 0x00, 0x50, 0x04});
}

struct ReceiveCase {
    const char* typed;
    const char* transmitBefore;
    const char* cell;
    const char* transmitAfter;  // nullptr: the transmit cell is not changed
    bool message;
};

class ReceiveCommitTest : public testing::TestWithParam<ReceiveCase> {};

TEST_P(ReceiveCommitTest, Rules)
{
    const ReceiveCase& c = GetParam();
    const TestCommit result = commitTestReceive(c.typed, c.transmitBefore, kLow, kHigh);
    EXPECT_EQ(result.cellText, c.cell);
    EXPECT_EQ(result.otherCell.value_or("unchanged"), c.transmitAfter ? c.transmitAfter : "unchanged");
    EXPECT_EQ(result.message.has_value(), c.message);
    if (result.message)
        EXPECT_EQ(result.message->in(false), "Over the range of receive frequency .");
}

INSTANTIATE_TEST_SUITE_P(TestFrequencies, ReceiveCommitTest, testing::Values(
    ReceiveCase{"145.5", "", "145.50000", "145.50000", false},
    ReceiveCase{"150", "146.00000", "150.00000", nullptr, false},   // never overwrites transmit
    ReceiveCase{"174", " ", "174.00000", "174.00000", false},       // band ends included
    ReceiveCase{"136", "", "136.00000", "136.00000", false},
    ReceiveCase{"174.00001", "", "136.00000", nullptr, true},
    ReceiveCase{"abc", "146.00000", "136.00000", nullptr, true},     // letters read as 0
    ReceiveCase{"145.1234567", "", "145.12345", "145.12345", false},  // finer than 10 Hz is cut
    ReceiveCase{"145.5.3", "", "136.00000", nullptr, true},           // not one number
    ReceiveCase{"145abc", "", "136.00000", nullptr, true},
    ReceiveCase{"  ", "146.00000", "", "", false}),                 // emptied: transmit too
    [](const auto& info) { return testing_names::caseName(info.param.typed); });

TEST(TestFrequencies, TransmitNeedsReceiveFirst)
{
    TestCommit r = commitTestTransmit("150", "", "146.00000", kLow, kHigh);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->in(false), "Please input the receive frequency in advance.");
    EXPECT_EQ(r.cellText, "146.00000");
    r = commitTestTransmit("150", "145.00000", "146.00000", kLow, kHigh);
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.cellText, "150.00000");
    r = commitTestTransmit("200", "145.00000", "146.00000", kLow, kHigh);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->in(true), QString::fromUtf8("发射频率超出范围 ！"));
    EXPECT_EQ(r.cellText, "136.00000");
    r = commitTestTransmit(" ", "", "146.00000", kLow, kHigh);  // blanks only clear the cell
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.cellText, "");
}

} // namespace
