#include "model/frequency_input.h"

#include "model/numeric_text.h"

namespace r5 {
namespace {

constexpr double kTwoDigitLimit = 100.0;  // MHz: below this the text has two digits before the point

bool isAsciiDigit(QChar ch) { return ch >= '0' && ch <= '9'; }

} // namespace

QString withoutBlanks(const QString& text)
{
    QString compact;
    for (QChar ch : text)
        if (!ch.isSpace())
            compact.append(ch);
    return compact;
}

std::optional<QChar> frequencyKey(QChar typed)
{
    if (isAsciiDigit(typed) || typed == '.')
        return typed;
    return std::nullopt;
}

QString padFrequencyText(const QString& text)
{
    const int length = leadingNumber(text) < kTwoDigitLimit ? kShortFrequencyTextLength : kFrequencyTextLength;
    QString padded = text;
    while (padded.size() < length)
        padded += '0';
    return padded;
}

QString bandLowText(double bandLow)
{
    QString text = QString::number(bandLow);
    if (text.size() == 2 || text.size() == 3)
        text += ".0";
    return padFrequencyText(text);
}

bool isStorableFrequencyText(const QString& text, bool twoDigitMegahertz)
{
    const qsizetype point = text.indexOf('.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    const qsizetype wholeDigits = twoDigitMegahertz ? 2 : 3;
    if (whole.size() != wholeDigits || fraction.size() > kFrequencyDecimals)
        return false;
    for (QChar ch : whole + fraction)
        if (!isAsciiDigit(ch))
            return false;
    return true;
}

FrequencyEntry checkFrequencyEntry(const QString& typed, double bandLow, double bandHigh)
{
    const QString text = withoutBlanks(typed);
    const double megahertz = leadingNumber(text);
    const bool twoDigit = bandLow < kTwoDigitLimit;
    if (megahertz >= bandLow && megahertz <= bandHigh && isStorableFrequencyText(text, twoDigit))
        return {padFrequencyText(text), false};
    return {bandLowText(bandLow), true};
}

} // namespace r5
