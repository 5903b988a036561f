#include "model/defaults.h"
#include "model/frequency_input.h"
#include "model/radio_models.h"
#include "model/test_frequencies.h"

#include "test_names.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::testfreq;

namespace {

constexpr double kLow = 136;
constexpr double kHigh = 174;

TEST(TestFrequencies, ChannelAddressing)
{
    EXPECT_EQ(address(1, kReceive), 0x280);
    EXPECT_EQ(address(1, kTransmit), 0x284);
    EXPECT_EQ(cellOf(1, kTransmit), (CellRef{40, 4}));
    EXPECT_EQ(address(2, kReceive), 0x288);
    EXPECT_EQ(cellOf(2, kReceive), (CellRef{40, 8}));
    EXPECT_EQ(cellOf(2, kTransmit), (CellRef{40, 12}));
    EXPECT_EQ(cellOf(3, kReceive), (CellRef{41, 0}));
    EXPECT_EQ(address(16, kTransmit), 0x2FC);
    EXPECT_EQ(cellOf(16, kTransmit), (CellRef{47, 12}));
    EXPECT_EQ(kFirstRow, 40);
    EXPECT_EQ(kLastRow, 47);
}

TEST(TestFrequencies, ErasedRowsShowEmptyCells)
{
    const RadioImage image = startUpImage(kUhfModel);
    for (const TestLine& line : readTestLines(image)) {
        EXPECT_TRUE(line.receive.isEmpty());
        EXPECT_TRUE(line.transmit.isEmpty());
    }
}

TEST(TestFrequencies, StoresOnlyWhatChanged)
{
    RadioImage image = startUpImage(kUhfModel);
    TestLines lines = readTestLines(image);
    lines[2] = {"145.50000", "145.50000"};
    storeTestLines(image, lines);
    for (int a = 0x290; a < 0x298; a += 4) {
        EXPECT_EQ(image.at(a), 0x00);
        EXPECT_EQ(image.at(a + 1), 0x00);
        EXPECT_EQ(image.at(a + 2), 0x55);
        EXPECT_EQ(image.at(a + 3), 0x14);
    }
    EXPECT_EQ(shownText(image, 3, kTransmit), "145.50000");

    // A stored 45 MHz would come back as 450 MHz through its text: an untouched
    // cell keeps its bytes.
    setFrequency(image, 16, kReceive, {0x00, 0x00, 0x50, 0x04});
    lines = readTestLines(image);
    EXPECT_EQ(lines[15].receive, "45.00000");
    storeTestLines(image, lines);
    EXPECT_EQ(image.at(0x2FB), 0x04);

    lines[15] = {"", ""};
    storeTestLines(image, lines);
    for (int a = 0x2F8; a <= 0x2FF; ++a)
        EXPECT_EQ(image.at(a), 0xFF);
    EXPECT_EQ(image.at(0x2F7), 0xFF);  // channel 15 untouched
    EXPECT_EQ(image.at(0x300), 0xFF);
}

struct ReceiveCase {
    const char* typed;
    const char* transmitBefore;
    const char* cell;
    const char* transmitAfter;  // nullptr: the transmit cell is not changed
    bool message;
};

void PrintTo(const ReceiveCase& c, std::ostream* os) { *os << "typed \"" << c.typed << '"'; }

class ReceiveCommitTest : public testing::TestWithParam<ReceiveCase> {};

TEST_P(ReceiveCommitTest, Rules)
{
    const ReceiveCase& c = GetParam();
    const TestCommit result = commitTestReceive(c.typed, c.transmitBefore, kLow, kHigh);
    EXPECT_EQ(result.cellText, c.cell);
    EXPECT_EQ(result.otherCell.has_value(), c.transmitAfter != nullptr);
    if (c.transmitAfter && result.otherCell)
        EXPECT_EQ(*result.otherCell, c.transmitAfter);
    EXPECT_EQ(result.message.has_value(), c.message);
    if (c.message && result.message)
        EXPECT_EQ(result.message->in(false), "Over the range of receive frequency .");
}

INSTANTIATE_TEST_SUITE_P(TestFrequencies, ReceiveCommitTest, testing::Values(
    ReceiveCase{"145.5", "", "145.50000", "145.50000", false},
    ReceiveCase{"150", "146.00000", "150.00000", nullptr, false},   // never overwrites transmit
    ReceiveCase{"136", "", "136.00000", "136.00000", false},        // band ends included
    ReceiveCase{"174", " ", "174.00000", "174.00000", false},
    ReceiveCase{"100", "", "136.00000", nullptr, true},
    ReceiveCase{"abc", "146.00000", "136.00000", nullptr, true},     // letters read as 0
    ReceiveCase{"174.00001", "", "136.00000", nullptr, true},
    ReceiveCase{"  ", "146.00000", "", "", false}),                 // emptied: transmit too
    [](const testing::TestParamInfo<ReceiveCase>& info) { return testing_names::caseName(info.param.typed); });

TEST(TestFrequencies, TransmitNeedsReceiveFirst)
{
    TestCommit r = commitTestTransmit("150", "", "", kLow, kHigh);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->in(false), "Please input the receive frequency in advance.");
    EXPECT_EQ(r.cellText, "");

    r = commitTestTransmit("150", "145.00000", "146.00000", kLow, kHigh);
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.cellText, "150.00000");

    r = commitTestTransmit("200", "145.00000", "146.00000", kLow, kHigh);
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->in(true), QString::fromUtf8("发射频率超出范围 ！"));
    EXPECT_EQ(r.cellText, "136.00000");

    // Blanks only clear the cell, with or without a receive frequency.
    r = commitTestTransmit(" ", "", "146.00000", kLow, kHigh);
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.cellText, "");
}

struct PadCase {
    const char* typed;
    const char* padded;
};

void PrintTo(const PadCase& c, std::ostream* os) { *os << "typed \"" << c.typed << '"'; }

class PadFrequencyTest : public testing::TestWithParam<PadCase> {};

TEST_P(PadFrequencyTest, PadsTheCheckedNumber)
{
    EXPECT_EQ(padFrequencyText(GetParam().typed), GetParam().padded);
}

INSTANTIATE_TEST_SUITE_P(FrequencyInput, PadFrequencyTest, testing::Values(
    PadCase{"145", "145.00000"}, PadCase{"145.", "145.00000"}, PadCase{"145.0125", "145.01250"},
    PadCase{" 145.5 ", "145.50000"}, PadCase{"145.50000", "145.50000"},
    PadCase{"45.5", "45.50000"},                // below 100 MHz: eight characters
    PadCase{"145.1234567", "145.12345"},        // finer than 10 Hz is cut
    PadCase{"14 5", "145.00000"},               // blanks are ignored, as in the range check
    PadCase{"+145", "145.00000"}, PadCase{"0145", "145.00000"},
    PadCase{"145abc", "145.00000"}, PadCase{"145.5.3", "145.50000"},
    PadCase{"abc", ""}, PadCase{"-145", ""}),
    [](const testing::TestParamInfo<PadCase>& info) { return testing_names::caseName(info.param.typed); });

TEST(FrequencyInput, BandLowText)
{
    EXPECT_EQ(bandLowText(136), "136.00000");
    EXPECT_EQ(bandLowText(400), "400.00000");
    EXPECT_EQ(bandLowText(88), "88.00000");
    EXPECT_EQ(bandLowText(136.0125), "136.01250");
    EXPECT_EQ(frequencyBytes(bandLowText(136)), (FrequencyBytes{0x00, 0x00, 0x60, 0x13}));
}

TEST(FrequencyInput, Classify)
{
    EXPECT_EQ(classifyFrequency("136", kLow, kHigh), FrequencyEntry::InBand);
    EXPECT_EQ(classifyFrequency("135.99999", kLow, kHigh), FrequencyEntry::OutOfBand);
    EXPECT_EQ(classifyFrequency("x", kLow, kHigh), FrequencyEntry::OutOfBand);
    EXPECT_EQ(classifyFrequency(" \t", kLow, kHigh), FrequencyEntry::Empty);
}

} // namespace
