#include "model/channel_record.h"
#include "model/defaults.h"
#include "model/embedded_message.h"
#include "model/image_diff.h"
#include "model/key_assignment.h"
#include "model/optional_features.h"
#include "model/radio_models.h"
#include "model/scan_info.h"
#include "model/test_frequencies.h"

#include <gtest/gtest.h>

using namespace r5;

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Changes a user makes in the windows, and bytes no window shows, each listed
// once with the texts the windows show.
TEST(ImageDifferences, KnownPairListsEachChangeOnce)
{
    const RadioImage before = startUpImage(kUhfModel);
    RadioImage after = before;
    channel::setField(after, 3, channel::kHighPower, 0);
    channel::setField(after, 3, channel::kBusyLockout, 1);
    channel::setReceive(after, 16, {0x00, 0x00, 0x50, 0x44});
    channel::setInScan(after, 16, false);
    keys::assign(after, keys::kPf2, keys::kAutodialPosition);
    after.setCell(options::kRow, options::kSquelch, 3);
    scan::setDelaySeconds(after, scan::kDwellCell, 200);   // its high byte is the scan window's too
    testfreq::setFrequency(after, 16, testfreq::kTransmit, {0x00, 0x00, 0x50, 0x44});
    message::storeLine(after, 2, "HELLO");
    after.setCell(7, channel::kFlagsBCell, before.cell(7, channel::kFlagsBCell) ^ 0x80);  // a bit no editor shows
    after.setCell(30, 2, 0x12);                                                          // a row no editor owns
    after.setExtra(5, 17, -4);

    const std::vector<Difference> differences = imageDifferences(before, after, Language::English);
    std::vector<std::pair<QString, QString>> names;
    for (const Difference& d : differences)
        names.push_back({d.place, d.name});
    const std::vector<std::pair<QString, QString>> expected = {
        {"Channel 3", "TX Power"}, {"Channel 3", "Busy Channel Lockout"}, {"Channel 16", "RX Frequency"},
        {"Channel 16", "Scan_Add"}, {"Optional Features", options::caption(options::kSquelch).en},
        {"Key Assingment", "PF2"}, {"Scan Information", scan::caption(scan::kDwell).en},
        {"Test Frequency", "16 TX Frequency"}, {"Embedded Message", "Line 2"},
        // Channel 7 shows no difference, so its byte is listed; row 30 belongs to no window.
        {"Address", "0x07d"}, {"Address", "0x1e2"}, {"File", "row 5, cell 17"},
    };
    EXPECT_EQ(names, expected);
    const auto change = [&](int i) { return differences[i].before + " -> " + differences[i].after; };
    EXPECT_EQ(QStringList({change(0), differences[2].after, differences[8].after, change(9)}).join(" | "),
              "High -> Low | 445.00000 | HELLO | 0xb0 -> 0x30");
}

TEST(FirstMismatch, NamesTheFieldOfTheFirstByteWithinTheWrittenRows)
{
    const RadioImage written = startUpImage(kUhfModel);
    const struct {
        int address;
        quint8 value;
        std::optional<int> found;
        QString field;
    } cases[] = {
        {12 * 16 + channel::kFlagsBCell, 0x90, 12 * 16 + channel::kFlagsBCell, "Channel 12: TX Power"},
        {0x005, 0x00, 0x005, ""},                                  // row 0: no window shows it
        {options::kRow * 16 + options::kSquelch, 0x02, options::kRow * 16 + options::kSquelch,
         QString("Optional Features: ") + options::caption(options::kSquelch).en},
        {49 * 16, 0x00, std::nullopt, ""},                         // beyond the rows a write sends
    };
    for (const auto& c : cases) {
        RadioImage readBack = written;
        readBack.setAt(c.address, c.value);
        readBack.setAt(60 * 16, 0x00);  // later differences do not hide the first
        const auto mismatch = firstMismatch(written, readBack, 48, Language::English);
        ASSERT_EQ(mismatch.has_value(), c.found.has_value()) << c.address;
        if (!mismatch)
            continue;
        EXPECT_EQ(std::tuple(mismatch->address, mismatch->readBack, mismatch->written, mismatch->field),
                  std::tuple(*c.found, c.value, written.at(c.address), c.field));
    }
}

} // namespace
