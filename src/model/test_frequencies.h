#pragma once

#include "model/frequency_codec.h"
#include "model/radio_image.h"
#include "model/text.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace r5::testfreq {

// The radio's 16 test channels, a receive and a transmit frequency each, packed
// 8 bytes per channel from 0x280 (rows 40 to 47, two channels to a row: the
// odd-numbered one in cells 0 to 7, the even-numbered one in cells 8 to 15).
inline constexpr int kCount = 16;
inline constexpr int kBaseAddress = 0x280;
inline constexpr int kBytesPerChannel = 8;
inline constexpr int kTransmitOffset = 4;  // receive in bytes 0 to 3, transmit in 4 to 7
inline constexpr int kFirstRow = kBaseAddress / RadioImage::kCellsPerRow;
inline constexpr int kLastRow = kFirstRow + kCount * kBytesPerChannel / RadioImage::kCellsPerRow - 1;

enum Direction { kReceive = 0, kTransmit = 1 };

// The grid's columns: the channel number, then one column per direction.
inline constexpr int kNumberColumn = 0;
inline constexpr int kReceiveColumn = 1;
inline constexpr int kTransmitColumn = 2;
inline constexpr int kColumnCount = 3;

inline constexpr Text kWindowTitle{"测试频率", "Test Frequency"};
inline constexpr Text kHeader{"^信道号|^接收频率(MHZ)|^发射频率(MHZ)",
                              "^ Channel |^ RX Frequency |^ TX Frequency "};

// The header's column captions, without the centring marks.
QStringList headerTexts(Language language);

struct CellRef {
    int row;
    int cell;
    bool operator==(const CellRef&) const = default;
};

// Where the four bytes of test channel n (1 to 16) in one direction begin.
int address(int n, Direction direction);
CellRef cellOf(int n, Direction direction);

// The stored frequency, or nothing when its first byte is erased.
std::optional<FrequencyBytes> frequency(const RadioImage& image, int n, Direction direction);
void setFrequency(RadioImage& image, int n, Direction direction, const FrequencyBytes& bytes);
void clearFrequency(RadioImage& image, int n, Direction direction);

// The text of one frequency cell: empty when absent, else frequencyText.
QString shownText(const RadioImage& image, int n, Direction direction);

// The two texts of one line of the grid.
struct TestLine {
    QString receive;
    QString transmit;
    const QString& text(Direction direction) const { return direction == kReceive ? receive : transmit; }
};
using TestLines = std::array<TestLine, kCount>;  // index n - 1

TestLines readTestLines(const RadioImage& image);

// Writes one cell's text into the image: blanks only erase the four bytes,
// anything else is packed with frequencyBytes. A text that still reads as the
// image shows it is left alone, so the bytes of a frequency the user did not
// touch are never rewritten (a stored frequency below 100 MHz or with
// non-decimal nibbles would not survive a round trip through its text).
// Returns whether the image changed.
bool storeTestText(RadioImage& image, int n, Direction direction, const QString& text,
                   bool twoDigitMegahertz = false);
void storeTestLines(RadioImage& image, const TestLines& lines, bool twoDigitMegahertz = false);

// What leaving an edited cell does to the grid's texts; the image receives
// them with the next storeTestLines.
struct TestCommit {
    QString cellText;                    // the new text of the cell that was left
    std::optional<QString> otherCell;    // the new text of the line's other cell, when it changes
    std::optional<Text> message;         // shown to the user first, when set
};

// A receive frequency in the band is padded and, when the line has no transmit
// frequency yet, copied there (an existing one is never overwritten). Out of the
// band: message, and the band's lower limit instead; the transmit cell stays.
// Nothing typed: the line is emptied, transmit included.
TestCommit commitTestReceive(const QString& typed, const QString& transmitCellText,
                             double bandLow, double bandHigh);

// A transmit frequency needs a receive frequency first (message, and the cell
// keeps what it had). In the band it is padded; out of it: message and the
// band's lower limit; nothing typed empties the cell.
TestCommit commitTestTransmit(const QString& typed, const QString& receiveCellText,
                              const QString& currentCellText, double bandLow, double bandHigh);

} // namespace r5::testfreq
