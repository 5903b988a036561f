#include "model/scan_info.h"

#include "model/numeric_text.h"

#include <algorithm>
#include <cmath>

namespace r5::scan {
namespace {

constexpr Text kCaptions[kItemCount] = {
    {"优先", "Priority"},
    {"回扫时间 A(秒)", "Look Back Time A(s)"},
    {"回扫时间 B(秒)", "Look Back Time B(s)"},
    {"返回信道", "Revert Channel"},
    {"扫描接收恢复延迟时间(秒)", "Dropout Delay Time (s)"},
    {"扫描发射恢复延迟时间(秒)", "TX Dwell Time (s)"},
};

constexpr Text kModes[kModeCount] = {{"无", "None"}, {"固定", "Fixed"}, {"选定", "Selected"}};

// The four revert codes; a mode's list is a slice of them.
constexpr Text kReverts[] = {
    {"选定", "Selected"},
    {"选定+当前通话", "Selected+Talk Back"},
    {"优先", "Priority"},
    {"优先+当前通话", "Priority+Talk Back"},
};
constexpr int kRevertCodes = 4;
constexpr int kSelectedModeRevertOffset = 2;

constexpr int kLookBackFirstHundredths = 50;
constexpr int kLookBackStepHundredths = 5;

int firstRevertCode(Mode mode) { return mode == kSelected ? kSelectedModeRevertOffset : 0; }
int revertChoiceCount(Mode mode) { return mode == kFixed ? kRevertCodes : 2; }

int lastPosition(Item item, Mode mode)
{
    switch (item) {
    case kModeItem:
        return kModeCount - 1;
    case kLookBackA:
    case kLookBackB:
        return kLookBackChoices - 1;
    case kRevert:
        return revertChoiceCount(mode) - 1;
    case kDropout:
    case kDwell:
        return kMaxDelaySeconds;
    }
    return 0;
}

int lookBackCell(Item item) { return item == kLookBackA ? kLookBackACell : kLookBackBCell; }
int delayCell(Item item) { return item == kDropout ? kDropoutCell : kDwellCell; }

} // namespace

Text caption(Item item) { return kCaptions[item]; }

Mode mode(const RadioImage& image)
{
    return static_cast<Mode>(std::min<int>(image.cell(kRow, kModeCell), kSelected));
}

QStringList choices(Item item, Mode mode, Language language)
{
    QStringList list;
    switch (item) {
    case kModeItem:
        for (const Text& text : kModes)
            list << text.in(language);
        break;
    case kLookBackA:
    case kLookBackB:
        for (int p = 0; p < kLookBackChoices; ++p)
            list << lookBackText(p);
        break;
    case kRevert:
        for (int p = 0; p < revertChoiceCount(mode); ++p)
            list << kReverts[firstRevertCode(mode) + p].in(language);
        break;
    case kDropout:
    case kDwell:
        for (int s = 0; s <= kMaxDelaySeconds; ++s)
            list << QString::number(s);
        break;
    }
    return list;
}

QString lookBackText(int position)
{
    // Whole hundredths, so no binary rounding can show 0.6499999.
    const int hundredths = kLookBackFirstHundredths + kLookBackStepHundredths * position;
    return QString::number(hundredths / 100) + "." + QString::number(hundredths % 100).rightJustified(2, '0');
}

int lookBackPosition(quint8 code)
{
    const int c = std::min<int>(code, kLookBackMaxCode);
    return c >= 1 ? c - 1 : 0;
}

quint8 lookBackCode(int position)
{
    const int p = std::clamp(position, 0, kLookBackChoices - 1);
    return static_cast<quint8>(p == 0 ? 0 : p + 1);
}

int revertPosition(Mode mode, quint8 code)
{
    int c = code;
    if (mode == kSelected && c > 1)
        c -= kSelectedModeRevertOffset;
    return std::min(c, revertChoiceCount(mode) - 1);
}

quint8 revertCode(Mode mode, int position)
{
    const int p = std::clamp(position, 0, revertChoiceCount(mode) - 1);
    return static_cast<quint8>(p + firstRevertCode(mode));
}

int delaySeconds(const RadioImage& image, int lowCell)
{
    const int value = 256 * image.cell(kRow, lowCell + 1) + image.cell(kRow, lowCell);
    return std::min(value, kMaxDelaySeconds);
}

void setDelaySeconds(RadioImage& image, int lowCell, int seconds)
{
    const int s = std::clamp(seconds, 0, kMaxDelaySeconds);
    image.setCell(kRow, lowCell, static_cast<quint8>(s % 256));
    image.setCell(kRow, lowCell + 1, static_cast<quint8>(s / 256));
}

int shownPosition(const RadioImage& image, Item item)
{
    switch (item) {
    case kModeItem:
        return mode(image);
    case kLookBackA:
    case kLookBackB:
        return lookBackPosition(image.cell(kRow, lookBackCell(item)));
    case kRevert:
        return revertPosition(mode(image), image.cell(kRow, kRevertCell));
    case kDropout:
    case kDwell:
        return delaySeconds(image, delayCell(item));
    }
    return 0;
}

QString shownText(const RadioImage& image, Item item, Language language)
{
    return choices(item, mode(image), language).at(shownPosition(image, item));
}

void applyChoice(RadioImage& image, Item item, int position)
{
    const int p = std::clamp(position, 0, lastPosition(item, mode(image)));
    switch (item) {
    case kModeItem: {
        image.setCell(kRow, kModeCell, static_cast<quint8>(p));
        const Mode newMode = static_cast<Mode>(p);
        image.setCell(kRow, kRevertCell,
                      revertCode(newMode, revertPosition(newMode, image.cell(kRow, kRevertCell))));
        break;
    }
    case kLookBackA:
    case kLookBackB:
        image.setCell(kRow, lookBackCell(item), lookBackCode(p));
        break;
    case kRevert:
        image.setCell(kRow, kRevertCell, revertCode(mode(image), p));
        break;
    case kDropout:
    case kDwell:
        setDelaySeconds(image, delayCell(item), p);
        break;
    }
}

void normaliseRow(RadioImage& image)
{
    // The mode first: the revert list it selects decides how cell 4 is fitted.
    for (int i = 0; i < kItemCount; ++i) {
        const auto item = static_cast<Item>(i);
        applyChoice(image, item, shownPosition(image, item));
    }
}

bool priorityChannelEditable(const RadioImage& image) { return mode(image) == kFixed; }

QString priorityChannelText(const RadioImage& image)
{
    const int channel = image.cell(kRow, kPriorityChannelCell);
    if (!priorityChannelEditable(image) || channel < kFirstPriorityChannel || channel > kLastPriorityChannel)
        return {};
    return QString::number(channel);
}

bool isPriorityChannelCharacter(QChar ch) { return ch >= '0' && ch <= '9'; }

PriorityChannelEntry enterPriorityChannel(RadioImage& image, const QString& boxText)
{
    // An emptied box is the user starting over (and the box the window empties
    // after the message): it neither stores nor complains.
    if (!priorityChannelEditable(image) || boxText.trimmed().isEmpty())
        return PriorityChannelEntry::Ignored;
    const double n = leadingNumber(boxText);
    if (n < kFirstPriorityChannel || n > kLastPriorityChannel || n != std::floor(n))
        return PriorityChannelEntry::OutOfRange;
    image.setCell(kRow, kPriorityChannelCell, static_cast<quint8>(n));
    return PriorityChannelEntry::Stored;
}

} // namespace r5::scan
