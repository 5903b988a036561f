#include "model/test_frequencies.h"

#include "model/frequency_input.h"

namespace r5::testfreq {
namespace {

constexpr FrequencyBytes kAbsent{0xFF, 0xFF, 0xFF, 0xFF};

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

} // namespace

QStringList headerTexts(Language language)
{
    QStringList texts = kHeader.in(language).split('|');
    for (QString& text : texts)
        text.remove('^');
    return texts;
}

int address(int n, Direction direction)
{
    Q_ASSERT(n >= 1 && n <= kCount);
    return kBaseAddress + kBytesPerChannel * (n - 1) + (direction == kTransmit ? kTransmitOffset : 0);
}

CellRef cellOf(int n, Direction direction)
{
    const int a = address(n, direction);
    return {a / RadioImage::kCellsPerRow, a % RadioImage::kCellsPerRow};
}

std::optional<FrequencyBytes> frequency(const RadioImage& image, int n, Direction direction)
{
    const int a = address(n, direction);
    if (image.at(a) == RadioImage::kErased)
        return std::nullopt;
    FrequencyBytes bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<size_t>(i)] = image.at(a + i);
    return bytes;
}

void setFrequency(RadioImage& image, int n, Direction direction, const FrequencyBytes& bytes)
{
    const int a = address(n, direction);
    for (int i = 0; i < 4; ++i)
        image.setAt(a + i, bytes[static_cast<size_t>(i)]);
}

void clearFrequency(RadioImage& image, int n, Direction direction) { setFrequency(image, n, direction, kAbsent); }

QString shownText(const RadioImage& image, int n, Direction direction)
{
    const auto bytes = frequency(image, n, direction);
    return bytes ? frequencyText(*bytes) : QString();
}

TestLines readTestLines(const RadioImage& image)
{
    TestLines lines;
    for (int n = 1; n <= kCount; ++n)
        lines[static_cast<size_t>(n - 1)] = {shownText(image, n, kReceive), shownText(image, n, kTransmit)};
    return lines;
}

bool storeTestText(RadioImage& image, int n, Direction direction, const QString& text, bool twoDigitMegahertz)
{
    const QString t = text.trimmed();
    if (t == shownText(image, n, direction))
        return false;
    if (t.isEmpty())
        clearFrequency(image, n, direction);
    else
        setFrequency(image, n, direction, frequencyBytes(t, twoDigitMegahertz));
    return true;
}

void storeTestLines(RadioImage& image, const TestLines& lines, bool twoDigitMegahertz)
{
    for (int n = 1; n <= kCount; ++n) {
        const TestLine& line = lines[static_cast<size_t>(n - 1)];
        storeTestText(image, n, kReceive, line.receive, twoDigitMegahertz);
        storeTestText(image, n, kTransmit, line.transmit, twoDigitMegahertz);
    }
}

TestCommit commitTestReceive(const QString& typed, const QString& transmitCellText, double bandLow, double bandHigh)
{
    switch (classifyFrequency(typed, bandLow, bandHigh)) {
    case FrequencyEntry::InBand: {
        const QString text = padFrequencyText(typed);
        if (isBlank(transmitCellText))
            return {text, text, std::nullopt};
        return {text, std::nullopt, std::nullopt};
    }
    case FrequencyEntry::OutOfBand:
        return {bandLowText(bandLow), std::nullopt, kReceiveOutOfRange};
    case FrequencyEntry::Empty:
        break;
    }
    return {QString(), QString(), std::nullopt};
}

TestCommit commitTestTransmit(const QString& typed, const QString& receiveCellText,
                              const QString& currentCellText, double bandLow, double bandHigh)
{
    const FrequencyEntry entry = classifyFrequency(typed, bandLow, bandHigh);
    if (entry != FrequencyEntry::Empty && isBlank(receiveCellText))
        return {currentCellText, std::nullopt, kReceiveFirst};
    switch (entry) {
    case FrequencyEntry::InBand:
        return {padFrequencyText(typed), std::nullopt, std::nullopt};
    case FrequencyEntry::OutOfBand:
        return {bandLowText(bandLow), std::nullopt, kTransmitOutOfRange};
    case FrequencyEntry::Empty:
        break;
    }
    return {QString(), std::nullopt, std::nullopt};
}

} // namespace r5::testfreq
