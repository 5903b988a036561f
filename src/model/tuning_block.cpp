#include "model/tuning_block.h"

#include "model/char_codec.h"

#include <iterator>

namespace r5::tuning {
namespace {

struct TabInfo {
    const char* key;
    Text heading;
};
constexpr TabInfo kTabs[kTabCount] = {
    {"Adj_Txp_High", chineseOnly("发射功率调整（高功率）")},
    {"Adj_Txp_Low", chineseOnly("发射功率调整（低功率）")},
    {"Adj_Sql_Leve", chineseOnly("静噪等级调整")},
    {"Adj_Dev_Leve", chineseOnly("调制度、输出音量调整")},
    {"Adj_Other", chineseOnly("频率范围")},
};

// Highest item of each combo; -1: the combo offers no items.
constexpr int kModulationMax[kModulationCombos] = {63, 63, 63, 63, 15, 15, 15, 15, 15,
                                                   31, 31, 63, 255, -1, -1, -1};
constexpr int kLevelMax[kLevelCombos] = {7, 7, 7, 7, 7, 15, 15, 15, 15, 15};

constexpr const char* kModulationCaptions[] = {
    "加 扰频话音放大器增益", "话音幅度限制粗细调", "无 扰频话音放大器增益", " TONE 增益",
    "DTMF 增益", "CTCSS 增益", "DCS", "VOICE",
};
constexpr const char* kLevelCaptions[kLevelCombos] = {
    "加 扰频音频输出", "无 扰频音频输出", "提示音音量输出", "窄带音频输出", "宽带音频输出",
    "500 兆段驱动功率", "400 兆段驱动功率", "300 兆段驱动功率", "200 兆段驱动功率", "100 兆段驱动功率",
};

int comboMax(ComboSet set, int index)
{
    if (index < 0 || index >= comboCount(set))
        return -1;
    return set == kModulation ? kModulationMax[index] : kLevelMax[index];
}

int threeDigits(const AdjustImage& adjust, int row, int firstCell)
{
    return 100 * adjust.cell(row, firstCell) + 10 * adjust.cell(row, firstCell + 1) + adjust.cell(row, firstCell + 2);
}

QStringList fromUtf8(const char* const* texts, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromUtf8(texts[i]);
    return list;
}

} // namespace

int passwordFirstCell(Password password) { return password == kUserPassword ? 0 : kPasswordLength; }

QString tabKey(Tab tab) { return QString::fromLatin1(kTabs[tab].key); }
Text tabHeading(Tab tab) { return kTabs[tab].heading; }

int powerRow(bool highPower, int group) { return (highPower ? kHighPowerFirstRow : kLowPowerFirstRow) + group; }

QString pointLabel(int group, int point)
{
    const PointGroup& g = kPointGroups[static_cast<size_t>(group)];
    return QString::number(g.startMHz + point * g.stepMHz) + "MHZ";
}

QString powerText(const AdjustImage& adjust, bool highPower, int group, int point)
{
    return QString::number(adjust.cell(powerRow(highPower, group), point));
}

QString squelchLevelLabel(int level) { return QString::number(level); }
QString squelchOffsetLabel(int point) { return QString::number(kSquelchOffsetFirstMHz + kSquelchOffsetStepMHz * point); }
int squelchOffsetRow(int point) { return kSquelchOffsetFirstRow + point / AdjustImage::kCellsPerRow; }
int squelchOffsetCell(int point) { return point % AdjustImage::kCellsPerRow; }

QString squelchLevelText(const AdjustImage& adjust, int level)
{
    return QString::number(adjust.cell(kSquelchLevelRow, level));
}

QString squelchOffsetText(const AdjustImage& adjust, int point)
{
    return QString::number(adjust.cell(squelchOffsetRow(point), squelchOffsetCell(point)));
}

int comboRow(ComboSet set) { return set == kModulation ? kModulationRow : kLevelRow; }
int comboCount(ComboSet set) { return set == kModulation ? kModulationCombos : kLevelCombos; }

QStringList comboItems(ComboSet set, int index)
{
    QStringList items;
    for (int v = 0; v <= comboMax(set, index); ++v)
        items << " " + QString::number(v);
    return items;
}

QString comboText(const AdjustImage& adjust, ComboSet set, int index)
{
    return QString::number(adjust.cell(comboRow(set), index));
}

bool chooseComboItem(AdjustImage& adjust, ComboSet set, int index, int position)
{
    if (position < 0 || position > comboMax(set, index))
        return false;
    adjust.setCell(comboRow(set), index, static_cast<quint8>(position));
    return true;
}

QStringList modulationCaptions()
{
    return fromUtf8(kModulationCaptions, static_cast<int>(std::size(kModulationCaptions)));
}

QStringList levelCaptions() { return fromUtf8(kLevelCaptions, kLevelCombos); }

int rangeRow(int range) { return kRangeFirstRow + range; }
int rangeLow(const AdjustImage& adjust, int range) { return threeDigits(adjust, rangeRow(range), kRangeLowCell); }
int rangeHigh(const AdjustImage& adjust, int range) { return threeDigits(adjust, rangeRow(range), kRangeHighCell); }

bool transmitAllowed(const AdjustImage& adjust, int range)
{
    return adjust.cell(rangeRow(range), kRangeTransmitCell) >= 1;
}

void setTransmitAllowed(AdjustImage& adjust, int range, bool allowed)
{
    // A flag that already reads as wanted keeps its byte.
    if (transmitAllowed(adjust, range) != allowed)
        adjust.setCell(rangeRow(range), kRangeTransmitCell, allowed ? 1 : 0);
}

QString passwordText(const AdjustImage& adjust, Password password)
{
    QString text;
    for (int i = 0; i < kPasswordLength; ++i)
        text += characterOfCode(adjust.cell(kPasswordRow, passwordFirstCell(password) + i));
    return text;
}

} // namespace r5::tuning
