#include "model/key_assignment.h"

namespace r5::keys {
namespace {

constexpr int kCells[kKeyCount] = {13, 14};

constexpr Text kFunctions[kFunctionCount] = {
    {"无", "None"},
    {"自动拨号", "Autodial"},
    {"按键锁定", "Key Lock"},
    {"按键锁定及备份", "Key Lock with Backup"},
    {"监听", "Monitor"},
    {"监听瞬时", "Monitor Momentary"},
    {"扫描", "Scan"},
    {"扫描 + 暂时删除", "Scan+Temporary Delete"},
    {"扰频器", "Scrambler"},
    {"取消静噪", "Squelch Off"},
    {"瞬时取消静噪", "Squelch Off Momentary"},
    {"暂时删除", "Temporary Delete"},
};

} // namespace

int cell(Key key) { return kCells[key]; }
int address(Key key) { return kRow * RadioImage::kCellsPerRow + cell(key); }
QString keyLabel(Key key) { return key == kPf1 ? QStringLiteral("PF1") : QStringLiteral("PF2"); }

QStringList choices(Language language)
{
    QStringList list;
    for (const Text& function : kFunctions)
        list << function.in(language);
    return list;
}

int shownPosition(quint8 stored)
{
    if (stored >= kFunctionCount)
        return kNonePosition;
    if (stored == kAutodialCode)
        return kAutodialPosition;
    return stored;
}

quint8 storedCode(int position)
{
    if (position <= kNonePosition || position >= kFunctionCount)
        return kNoneCode;
    if (position == kAutodialPosition)
        return kAutodialCode;
    return static_cast<quint8>(position);
}

int assignedPosition(const RadioImage& image, Key key) { return shownPosition(image.cell(kRow, cell(key))); }

void assign(RadioImage& image, Key key, int position) { image.setCell(kRow, cell(key), storedCode(position)); }

QString shownText(const RadioImage& image, Key key, Language language)
{
    return kFunctions[assignedPosition(image, key)].in(language);
}

void normaliseKeys(RadioImage& image)
{
    for (Key key : {kPf1, kPf2})
        assign(image, key, assignedPosition(image, key));
}

} // namespace r5::keys
