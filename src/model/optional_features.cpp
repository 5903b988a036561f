#include "model/optional_features.h"

#include <algorithm>

namespace r5::options {
namespace {

constexpr Text kCaptions[kItemCount] = {
    {"超时定时器(TOT)[秒]", "Time Out Timer(TOT)[s]"},
    {"静噪电平", "Squelch Level"},
    {"语音通知", "Voice Annunciation"},
    chineseOnly("键盘锁定"),
    {"电池省电", "Battery Save"},
    {"哔音", "Beep"},
    chineseOnly("本机状态"),
    chineseOnly("当前信道"),
    chineseOnly("当前音量"),
};

QStringList numbers(int first, int last, int step = 1)
{
    QStringList list;
    for (int v = first; v <= last; v += step)
        list << QString::number(v);
    return list;
}

} // namespace

bool isCheckBox(Item item)
{
    return item == kKeypadLock || item == kBatterySave || item == kBeep;
}

Text caption(Item item) { return kCaptions[item]; }

QStringList choices(Item item, Language language)
{
    switch (item) {
    case kTimeOut:
        return numbers(kTimeOutStepSeconds, kTimeOutStepSeconds * kTimeOutChoices, kTimeOutStepSeconds);
    case kSquelch:
        return numbers(0, 9);
    case kVoice:
        return language == Language::Chinese ? QStringList{QString::fromUtf8("关"), QString::fromUtf8("中文"), QString::fromUtf8("英语")}
                       : QStringList{"Off", "Chinese", "English"};
    case kPowerState:
        return {QString::fromUtf8("关机"), QString::fromUtf8("开机")};
    case kCurrentChannel:
        return numbers(1, 16);
    case kVolume:
        return numbers(1, 12);
    default:
        return {};
    }
}

int shownPosition(Item item, quint8 stored)
{
    if (isCheckBox(item))
        return stored != 0 ? 1 : 0;
    const int last = static_cast<int>(choices(item, true).size()) - 1;
    if (item == kTimeOut)
        return std::min(std::max<int>(stored, 1) - 1, last);
    return std::min<int>(stored, last);
}

quint8 storedValue(Item item, int position)
{
    return static_cast<quint8>(item == kTimeOut ? position + 1 : position);
}

QString shownText(const RadioImage& image, Item item, Language language)
{
    const int position = shownPosition(item, image.cell(kRow, item));
    if (isCheckBox(item))
        return position ? (language == Language::Chinese ? QString::fromUtf8("开") : QString("On"))
                        : (language == Language::Chinese ? QString::fromUtf8("关") : QString("Off"));
    return choices(item, language).at(position);
}

} // namespace r5::options
