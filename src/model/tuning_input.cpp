#include "model/tuning_input.h"

#include "model/char_codec.h"
#include "model/defaults.h"
#include "model/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace r5::tuning {
namespace {

// The radio maker's texts; the digit check of each box names a range other
// than the one the range check enforces, as it always has.
constexpr Text kSquelchNotDigits = chineseOnly(" 输入数字范围为 0 - 255 ！");
constexpr Text kSquelchOutOfRange = chineseOnly(" 输入数字范围为 0 - 100 ！");
constexpr Text kOffsetNotDigits = chineseOnly(" 输入数字范围为 0 - 10 ！");
constexpr Text kOffsetOutOfRange = chineseOnly(" 输入数字范围为 0 - 20 ！");

constexpr Text kHighAboveBand{"上限频率不可大于该频段最大工作频率",
                              "Receive frequency of lower limit can't less than the lowest of work frequency. "};
constexpr Text kHighBelowLow{"上限频率不可小于该频段下限频率",
                             "Receive frequency of lower limit can't more than receive frequency of upper limit."};
constexpr Text kLowBelowBand{"下限频率不可小于该频段最低工作频率",
                             "Receive frequency of lower limit can't less than the lowest of work frequency. "};
constexpr Text kLowAboveHigh{"下限频率不可大于该频段上限频率",
                             "Receive frequency of lower limit can't more than receive frequency of upper limit."};

constexpr int kMaxLimitMHz = 999;  // three decimal digits

struct NumberBox {
    int row;
    int cell;
    int max;
    Text notDigits;
    Text outOfRange;
};

NumberOutcome enterNumber(AdjustImage& adjust, const NumberBox& box, const QString& text)
{
    const QString t = text.trimmed();
    std::optional<Text> message;
    NumberEntry entry = NumberEntry::Stored;
    int value = 0;
    for (QChar ch : t) {
        if (ch < '0' || ch > '9') {
            entry = NumberEntry::NotDigits;
            message = box.notDigits;
            break;
        }
    }
    if (entry == NumberEntry::Stored && !t.isEmpty()) {
        bool ok = false;
        const qulonglong typed = t.toULongLong(&ok);  // fails only for absurdly long texts
        if (!ok || typed > static_cast<qulonglong>(box.max)) {
            entry = NumberEntry::OutOfRange;
            message = box.outOfRange;
        } else {
            value = static_cast<int>(typed);
        }
    }
    // A refused value puts the factory default back, in the box and the block.
    if (entry != NumberEntry::Stored)
        value = defaultAdjustImage().cell(box.row, box.cell);
    adjust.setCell(box.row, box.cell, static_cast<quint8>(value));
    return {entry, static_cast<quint8>(value), message};
}

const PointGroup& rangeBounds(int range)
{
    Q_ASSERT(range >= kFirstEditableRange && range <= kLastEditableRange);
    return kPointGroups[static_cast<size_t>(range)];
}

void storeLimit(AdjustImage& adjust, int row, int firstCell, double mhz)
{
    const double whole = std::nearbyint(mhz);
    if (!(whole >= 0 && whole <= kMaxLimitMHz))
        return;
    const int v = static_cast<int>(whole);
    adjust.setCell(row, firstCell, static_cast<quint8>(v / 100));
    adjust.setCell(row, firstCell + 1, static_cast<quint8>(v / 10 % 10));
    adjust.setCell(row, firstCell + 2, static_cast<quint8>(v % 10));
}

} // namespace

NumberOutcome enterSquelchLevel(AdjustImage& adjust, int level, const QString& text)
{
    return enterNumber(adjust, {kSquelchLevelRow, level, kSquelchLevelMax, kSquelchNotDigits, kSquelchOutOfRange},
                       text);
}

NumberOutcome enterSquelchOffset(AdjustImage& adjust, int point, const QString& text)
{
    return enterNumber(adjust,
                       {squelchOffsetRow(point), squelchOffsetCell(point), kSquelchOffsetMax, kOffsetNotDigits,
                        kOffsetOutOfRange},
                       text);
}

double rangeBoxValue(const QString& text) { return leadingNumber(text); }

RangeOutcome leaveRangeHigh(int range, double low, double high)
{
    const PointGroup& bounds = rangeBounds(range);
    if (high > bounds.endMHz)
        return {RangeCheck::HighAboveBand, bounds.endMHz, kHighAboveBand};
    if (low <= high)
        return {RangeCheck::Accepted, 0, std::nullopt};
    return {RangeCheck::HighBelowLow, bounds.endMHz, kHighBelowLow};
}

RangeOutcome leaveRangeLow(int range, double low, double high)
{
    const PointGroup& bounds = rangeBounds(range);
    if (low < bounds.startMHz)
        return {RangeCheck::LowBelowBand, bounds.startMHz, kLowBelowBand};
    if (low <= high)
        return {RangeCheck::Accepted, 0, std::nullopt};
    return {RangeCheck::LowAboveHigh, bounds.startMHz, kLowAboveHigh};
}

void storeRange(AdjustImage& adjust, int range, RangeLimits limits)
{
    storeLimit(adjust, rangeRow(range), kRangeLowCell, limits.low);
    storeLimit(adjust, rangeRow(range), kRangeHighCell, limits.high);
}

void storeRanges(AdjustImage& adjust, const std::array<RangeLimits, 3>& ranges)
{
    for (int r = kFirstEditableRange; r <= kLastEditableRange; ++r)
        storeRange(adjust, r, ranges[static_cast<size_t>(r - kFirstEditableRange)]);
}

void storePassword(AdjustImage& adjust, Password password, const QString& text)
{
    const QString t = text.trimmed();
    const int first = passwordFirstCell(password);
    for (int i = 0; i < kPasswordLength; ++i)
        adjust.setCell(kPasswordRow, first + i, kPasswordPad);
    const int length = static_cast<int>(std::min<qsizetype>(t.size(), kPasswordLength));
    const int shift = (kPasswordLength - length) / 2;
    for (int i = 0; i < length; ++i)
        adjust.setCell(kPasswordRow, first + shift + i, static_cast<quint8>(codeOfCharacter(t.mid(i, 1)) & 0xFF));
}

} // namespace r5::tuning
