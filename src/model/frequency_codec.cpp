#include "model/frequency_codec.h"

namespace r5 {
namespace {

constexpr int kTextLength = 9;        // "400.02500"
constexpr int kShortTextLength = 8;   // "45.00000", below 100 MHz
constexpr qint64 kUnitsPerMegahertz = 100000;  // the radio counts in 10 Hz

int digitAt(const QString& text, int position)
{
    // Positions count from 1, as in the layout "d1 d2 d3 . d5 d6 d7 d8 d9".
    if (position > text.size())
        return 0;
    const QChar ch = text[position - 1];
    return (ch >= '0' && ch <= '9') ? ch.unicode() - '0' : 0;
}

} // namespace

QString frequencyText(const FrequencyBytes& bytes)
{
    // Sum the eight nibbles with their decimal weights in whole 10 Hz units, so
    // the text is exact (no binary rounding) even for nibbles above 9.
    qint64 units = 0;
    for (int i = 3; i >= 0; --i)
        units = units * 100 + (bytes[i] >> 4) * 10 + (bytes[i] & 0x0F);

    QString text = QString::number(units / kUnitsPerMegahertz);
    QString fraction = QString::number(units % kUnitsPerMegahertz).rightJustified(5, '0');
    while (fraction.endsWith('0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += "." + fraction;

    if (text.size() < kTextLength) {
        if (text.size() == 2 || text.size() == 3)
            text += ".";
        const int length = units < 100 * kUnitsPerMegahertz ? kShortTextLength : kTextLength;
        while (text.size() < length)
            text += "0";
    }
    return text;
}

FrequencyBytes frequencyBytes(const QString& text, bool twoDigitMegahertz)
{
    QString t = text.trimmed();
    if (twoDigitMegahertz)
        t = ("0" + t).trimmed();
    auto pair = [&t](int high, int low) {
        return static_cast<quint8>(16 * digitAt(t, high) + digitAt(t, low));
    };
    return {pair(8, 9), pair(6, 7), pair(3, 5), pair(1, 2)};
}

} // namespace r5
