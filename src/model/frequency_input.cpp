#include "model/frequency_input.h"

#include "model/numeric_text.h"

namespace r5 {
namespace {

constexpr int kDecimals = 5;  // the radio counts in 10 Hz steps

bool isAsciiDigit(QChar ch) { return ch >= '0' && ch <= '9'; }
bool isBlank(QChar ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

constexpr double kTwoDigitLimit = 100.0;  // MHz: below this a frequency has two digits before the point

} // namespace

FrequencyEntry classifyFrequency(const QString& typed, double bandLow, double bandHigh)
{
    if (typed.trimmed().isEmpty())
        return FrequencyEntry::Empty;
    const double mhz = leadingNumber(typed);
    return (mhz >= bandLow && mhz <= bandHigh) ? FrequencyEntry::InBand : FrequencyEntry::OutOfBand;
}

QString padFrequencyText(const QString& typed)
{
    // The same reading as leadingNumber: blanks anywhere are ignored, then an
    // optional sign, digits and one point. Working on the digits themselves
    // keeps 145.0125 exact, where a double would not.
    QString compact;
    for (QChar ch : typed)
        if (!isBlank(ch))
            compact.append(ch);

    int i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        if (compact[i] == '-')
            return {};  // no band lies below zero
        ++i;
    }
    QString whole;
    QString fraction;
    bool seenPoint = false;
    for (; i < compact.size(); ++i) {
        const QChar ch = compact[i];
        if (isAsciiDigit(ch))
            (seenPoint ? fraction : whole).append(ch);
        else if (ch == '.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return {};

    while (whole.size() > 1 && whole.startsWith('0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = "0";
    return whole + "." + fraction.left(kDecimals).leftJustified(kDecimals, '0');
}

QString bandLowText(double bandLow)
{
    return padFrequencyText(QString::number(bandLow, 'f', kDecimals));
}

bool isStorableFrequencyText(const QString& typed, bool twoDigitMegahertz)
{
    const QString text = withoutBlanks(typed);
    const qsizetype point = text.indexOf('.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const qsizetype wholeDigits = twoDigitMegahertz ? 2 : 3;
    if (whole.size() != wholeDigits)
        return false;
    for (QChar ch : whole + fraction)
        if (!isAsciiDigit(ch))
            return false;
    return true;
}

CheckedFrequency checkFrequencyEntry(const QString& typed, double bandLow, double bandHigh)
{
    const bool twoDigit = bandLow < kTwoDigitLimit;
    if (classifyFrequency(typed, bandLow, bandHigh) == FrequencyEntry::InBand
        && isStorableFrequencyText(typed, twoDigit))
        return {padFrequencyText(typed), false};
    return {bandLowText(bandLow), true};
}

std::optional<QChar> frequencyKey(QChar typed)
{
    if (isAsciiDigit(typed) || typed == '.')
        return typed;
    return std::nullopt;
}

QString withoutBlanks(const QString& text)
{
    QString compact;
    for (QChar ch : text)
        if (!isBlank(ch))
            compact.append(ch);
    return compact;
}

} // namespace r5
