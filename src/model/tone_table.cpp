#include "model/tone_table.h"

#include "model/numeric_text.h"

#include <cmath>

#include <array>
#include <vector>

namespace r5::ToneTable {
namespace {

// CTCSS tones in tenths of a hertz, in the order the radio lists them.
constexpr std::array<int, kCtcssCount> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
    1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
};

// DCS codes as their three octal digits, written here in decimal notation.
constexpr std::array<int, kDcsCount> kDcsDigits = {
    23,  25,  26,  31,  32,  43,  47,  51,  54,  65,  71,  72,  73,  74,  114, 115, 116,
    125, 131, 132, 134, 143, 152, 155, 156, 162, 165, 172, 174, 205, 223, 226, 243, 244,
    245, 251, 261, 263, 265, 271, 306, 311, 315, 331, 343, 346, 351, 364, 365, 371, 411,
    412, 413, 423, 431, 432, 445, 464, 465, 466, 503, 506, 516, 532, 546, 565, 606, 612,
    624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

constexpr int kDcsNormalBase = 0x2800;
constexpr int kDcsInvertedBase = 0xA800;

struct Entry {
    QString padded;
    QString trimmed;
    ToneCode code;
};

int octalValue(int digits)
{
    return (digits / 100) * 64 + (digits / 10 % 10) * 8 + digits % 10;
}

// The maker's lists pad names so that they line up in a fixed-width font; the
// padding changes with the index, not with the name's length.
QString pad(int index, const QString& name)
{
    if (index == kOff)
        return " " + name + "     ";
    if (index <= 9)
        return " " + name + "    ";
    if (index <= 12)
        return "    " + name + "    ";
    if (index <= 99)
        return "    " + name + "   ";
    return "   " + name + "   ";
}

std::vector<Entry> build()
{
    std::vector<Entry> entries;
    entries.reserve(kCount);
    auto add = [&entries](const QString& name, int code) {
        const int index = static_cast<int>(entries.size());
        entries.push_back({pad(index, name), name,
                           ToneCode{static_cast<quint8>(code & 0xFF), static_cast<quint8>(code >> 8)}});
    };
    add("OFF", 0xFFFF);
    for (int tenths : kCtcssTenths)
        add(QString::number(tenths / 10) + "." + QString::number(tenths % 10), tenths);
    for (int digits : kDcsDigits)
        add(QString("D%1N").arg(digits, 3, 10, QChar('0')), kDcsNormalBase + octalValue(digits));
    for (int digits : kDcsDigits)
        add(QString("D%1I").arg(digits, 3, 10, QChar('0')), kDcsInvertedBase + octalValue(digits));
    Q_ASSERT(entries.size() == kCount);
    return entries;
}

const std::vector<Entry>& table()
{
    static const std::vector<Entry> entries = build();
    return entries;
}

const Entry& entry(int index)
{
    Q_ASSERT(index >= 0 && index < kCount);
    return table()[static_cast<size_t>(index)];
}

} // namespace

QString paddedName(int index) { return entry(index).padded; }
QString trimmedName(int index) { return entry(index).trimmed; }
ToneCode code(int index) { return entry(index).code; }

std::optional<int> indexOf(ToneCode code)
{
    for (int i = 0; i < kCount; ++i)
        if (entry(i).code == code)
            return i;
    return std::nullopt;
}

std::optional<int> indexOfName(const QString& name)
{
    for (int i = 0; i < kCount; ++i)
        if (entry(i).trimmed == name)
            return i;
    return std::nullopt;
}

} // namespace r5::ToneTable

namespace r5 {

ToneCode ctcssCode(int tenths)
{
    return ToneCode{static_cast<quint8>(tenths % 256), static_cast<quint8>(tenths / 256)};
}

std::optional<ToneCode> toneCodeOf(const QString& text)
{
    if (text == "FF")
        return ToneCode{};
    const double hertz = leadingNumber(text);
    if (!(hertz > 0 && hertz < 255))
        return std::nullopt;
    // Round the whole code before splitting it, so a tone such as 76.79 Hz
    // becomes 768 (03 00) and never a low byte of 256.
    return ctcssCode(static_cast<int>(std::nearbyint(hertz * 10)));
}

} // namespace r5
