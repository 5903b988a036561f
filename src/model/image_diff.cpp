#include "model/image_diff.h"

#include "model/channel_fields.h"
#include "model/embedded_message.h"
#include "model/key_assignment.h"
#include "model/optional_features.h"
#include "model/scan_info.h"
#include "model/test_frequencies.h"
#include "model/text.h"

#include <algorithm>
#include <functional>

namespace r5 {
namespace {

constexpr Text kChannelPlace{"信道", "Channel"};
constexpr Text kMessageLine{"第 %1 行", "Line %1"};
constexpr Text kAddressPlace{"地址", "Address"};
constexpr Text kFileCellPlace{"文件", "File"};
constexpr Text kFileCell{"第 %1 行第 %2 格", "row %1, cell %2"};

// Which editor shows a byte; None for the bytes no editor shows.
// Channels are told apart by number; every scan bit is a channel's field, so
// a scan byte that differs always shows.
enum class Owner { None, Channel1 = channel::kFirst, Channel16 = channel::kLast, ScanBits, Keys, Options, Scan,
                   TestFrequencies, Message };

Owner ownerOf(int row, int cell)
{
    if (row >= channel::kFirst && row <= channel::kLast)
        return static_cast<Owner>(channel::row(row));
    if (row == channel::kScanRow && cell >= channel::kScanFirstCell)
        return Owner::ScanBits;
    if (row == keys::kRow && (cell == keys::cell(keys::kPf1) || cell == keys::cell(keys::kPf2)))
        return Owner::Keys;
    if (row == options::kRow && cell < options::kItemCount)
        return Owner::Options;
    if (row == scan::kRow && cell <= scan::kDwellCell + 1)
        return Owner::Scan;
    if (row >= testfreq::kFirstRow && row <= testfreq::kLastRow)
        return Owner::TestFrequencies;
    if (row >= message::kFirstRow && row < message::kFirstRow + message::kLineCount * message::kRowsPerLine)
        return Owner::Message;
    return Owner::None;
}

QString hexByte(int value) { return QString("0x%1").arg(value, 2, 16, QChar('0')); }

class DiffBuilder {
public:
    DiffBuilder(const RadioImage& a, const RadioImage& b, Language language) : a_(a), b_(b), language_(language) {}

    void compare(Owner owner, const QString& place, const QString& name,
                 const std::function<QString(const RadioImage&)>& shown)
    {
        const QString before = shown(a_);
        const QString after = shown(b_);
        if (before != after) {
            list.push_back({place, name, before, after});
            shownOwners_.push_back(owner);
        }
    }

    // Bytes that differ where no field showed a difference.
    void addUnshownBytes()
    {
        for (int row = 0; row < RadioImage::kRows; ++row)
            for (int cell = 0; cell < RadioImage::kCellsPerRow; ++cell) {
                const Owner owner = ownerOf(row, cell);
                const bool shown = owner == Owner::ScanBits
                    || std::find(shownOwners_.begin(), shownOwners_.end(), owner) != shownOwners_.end();
                if (!shown && a_.cell(row, cell) != b_.cell(row, cell))
                    list.push_back({kAddressPlace.in(language_),
                                    QString("0x%1").arg(row * RadioImage::kCellsPerRow + cell, 3, 16, QChar('0')),
                                    hexByte(a_.cell(row, cell)), hexByte(b_.cell(row, cell))});
            }
        for (int row = 0; row < RadioImage::kExtraRows; ++row)
            for (int cell = RadioImage::kExtraFirstCell; cell < RadioImage::kExtraFirstCell + RadioImage::kExtraCells;
                 ++cell)
                if (a_.extra(row, cell) != b_.extra(row, cell))
                    list.push_back({kFileCellPlace.in(language_), kFileCell.in(language_).arg(row).arg(cell),
                                    QString::number(a_.extra(row, cell)), QString::number(b_.extra(row, cell))});
    }

    std::vector<Difference> list;

private:
    const RadioImage& a_;
    const RadioImage& b_;
    const Language language_;
    std::vector<Owner> shownOwners_;
};

} // namespace

std::vector<Difference> imageDifferences(const RadioImage& a, const RadioImage& b, Language language)
{
    DiffBuilder diff(a, b, language);
    for (int n = channel::kFirst; n <= channel::kLast; ++n)
        for (int i = 1; i < kChannelFieldCount; ++i) {
            const ChannelField field = channelFieldAt(i);
            diff.compare(static_cast<Owner>(n), kChannelPlace.in(language) + " " + QString::number(n),
                         channelFieldCaption(field, language),
                         [&](const RadioImage& image) { return channelFieldText(image, n, field, language); });
        }

    const QString options = options::kWindowTitle.in(language);
    for (int i = 0; i < options::kItemCount; ++i) {
        const auto item = static_cast<options::Item>(i);
        diff.compare(Owner::Options, options, options::caption(item).in(language),
                     [&](const RadioImage& image) { return options::shownText(image, item, language); });
    }
    for (const keys::Key key : {keys::kPf1, keys::kPf2})
        diff.compare(Owner::Keys, keys::kWindowTitle.in(language), keys::keyLabel(key),
                     [&](const RadioImage& image) { return keys::shownText(image, key, language); });

    const QString scanPlace = scan::kWindowTitle.in(language);
    for (int i = 0; i < scan::kItemCount; ++i) {
        const auto item = static_cast<scan::Item>(i);
        diff.compare(Owner::Scan, scanPlace, scan::caption(item).in(language),
                     [&](const RadioImage& image) { return scan::shownText(image, item, language); });
    }
    diff.compare(Owner::Scan, scanPlace, scan::kPriorityChannelCaption.in(language),
                 [&](const RadioImage& image) { return scan::priorityChannelText(image); });

    const QStringList testHeader = testfreq::headerTexts(language);
    for (int n = 1; n <= testfreq::kCount; ++n)
        for (const auto direction : {testfreq::kReceive, testfreq::kTransmit}) {
            const int column = direction == testfreq::kReceive ? testfreq::kReceiveColumn : testfreq::kTransmitColumn;
            diff.compare(Owner::TestFrequencies, testfreq::kWindowTitle.in(language),
                         QString::number(n) + " " + testHeader.value(column).trimmed(),
                         [&](const RadioImage& image) { return testfreq::shownText(image, n, direction); });
        }
    for (int line = 1; line <= message::kLineCount; ++line)
        diff.compare(Owner::Message, message::kWindowTitle.in(language), kMessageLine.in(language).arg(line),
                     [&](const RadioImage& image) { return message::shownLine(image, line); });

    diff.addUnshownBytes();
    return diff.list;
}

std::optional<kMismatch> firstMismatch(const RadioImage& written, const RadioImage& readBack, int lastRow,
                                      Language language)
{
    const int end = (lastRow + 1) * RadioImage::kCellsPerRow;
    for (int address = 0; address < end; ++address) {
        if (written.at(address) == readBack.at(address))
            continue;
        // The field is what this one byte changes, whatever else differs.
        RadioImage probe = written;
        probe.setAt(address, readBack.at(address));
        const std::vector<Difference> differences = imageDifferences(written, probe, language);
        QString field;
        if (!differences.empty() && differences.front().place != kAddressPlace.in(language))
            field = differences.front().place + ": " + differences.front().name;
        return kMismatch{address, written.at(address), readBack.at(address), field};
    }
    return std::nullopt;
}

} // namespace r5
