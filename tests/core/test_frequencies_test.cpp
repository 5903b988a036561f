// The 16 test channels, 8 bytes each from 0x280: receive, then transmit.
#include "model/defaults.h"
#include "model/radio_models.h"
#include "model/test_frequencies.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

using namespace r5;
using namespace r5::testfreq;

namespace {

constexpr double kLow = 136;
constexpr double kHigh = 174;

// Lines 3 and 16 are typed in the window test.
TEST(TestFrequencies, EachLineStoresItsOwnEightBytes)
{
    RadioImage image = startUpImage(kUhfModel);
    TestLines lines = readTestLines(image);
    lines[1] = {"145.50000", "146.00000"};
    storeTestLines(image, lines);
    lines[1].receive = "";  // an emptied cell is erased, its neighbours kept
    storeTestLines(image, lines);
    const std::string erased = hexOf(QByteArray(4, '\xFF'));
    EXPECT_EQ(bytesAt(image, 0x284, 16), erased + " " + erased + " 00 00 60 14 " + erased);
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
    EXPECT_EQ(bytesAt(image, 0x2F8, 4), "00 00 50 04");
}

TEST(TestFrequencies, ReceiveCommitRules)
{
    const struct {
        const char* typed;
        const char* transmitBefore;
        const char* cell;
        const char* transmitAfter;  // nullptr: the transmit cell is not changed
        bool message;
    } cases[] = {
        {"150", "146.00000", "150.00000", nullptr, false},   // never overwrites transmit
        {"174", " ", "174.00000", "174.00000", false},       // band ends included
        {"136", "", "136.00000", "136.00000", false},
        {"174.00001", "", "136.00000", nullptr, true},
        {"145abc", "", "136.00000", nullptr, true},           // not one number
        {"  ", "146.00000", "", "", false},                   // emptied: transmit too
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const TestCommit result = commitTestReceive(c.typed, c.transmitBefore, kLow, kHigh);
        EXPECT_EQ(result.cellText, c.cell);
        EXPECT_EQ(result.otherCell.value_or("unchanged"), c.transmitAfter ? c.transmitAfter : "unchanged");
        EXPECT_EQ(result.message ? result.message->in(Language::English) : QString(),
                  c.message ? "Over the range of receive frequency ." : "");
    }
}

TEST(TestFrequencies, TransmitNeedsReceiveFirst)
{
    const struct {
        const char *typed, *receive, *cell, *message;
    } cases[] = {
        {"150", "", "146.00000", "Please input the receive frequency in advance."},
        {"150", "145.00000", "150.00000", ""},
        {"200", "145.00000", "136.00000", "Over the range of transmit frequency ."},
        {" ", "", "", ""},  // blanks only clear the cell
    };
    for (const auto& c : cases) {
        const TestCommit r = commitTestTransmit(c.typed, c.receive, "146.00000", kLow, kHigh);
        EXPECT_EQ(r.cellText, c.cell) << c.typed;
        EXPECT_EQ(r.message ? r.message->in(Language::English) : QString(), c.message) << c.typed;
    }
}

} // namespace
