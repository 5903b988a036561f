#pragma once

#include "model/frequency_codec.h"
#include "model/radio_image.h"
#include "model/tone_table.h"

namespace r5 {

// A field of a few bits inside one byte of a record. Every edit reads the byte,
// clears the field, ORs the new value in and writes the byte back, so bits that
// no editor knows about keep what the radio put there.
struct BitField {
    int cell;
    int shift;
    int width;

    constexpr int mask() const { return ((1 << width) - 1) << shift; }
    constexpr int maxValue() const { return (1 << width) - 1; }
};

int readField(const RadioImage& image, int row, BitField field);
void writeField(RadioImage& image, int row, BitField field, int value);

// The 16 memory channels: channel n is row n, one 16-byte record each.
namespace channel {

inline constexpr int kCount = 16;
inline constexpr int kFirst = 1;
inline constexpr int kLast = 16;

inline constexpr int kReceiveCell = 0;   // 4 bytes; 0xFF in the first byte: channel empty
inline constexpr int kTransmitCell = 4;  // 4 bytes; 0xFF in the first byte: no transmit
inline constexpr int kDecodeCell = 8;    // tone pair, low byte first
inline constexpr int kEncodeCell = 10;   // tone pair, low byte first
inline constexpr int kFlagsACell = 12;
inline constexpr int kFlagsBCell = 13;
inline constexpr int kFlagsCCell = 14;
inline constexpr int kFlagsDCell = 15;

inline constexpr BitField kCompander{kFlagsACell, 0, 1};
inline constexpr BitField kOptionSignalling{kFlagsACell, 1, 2};  // 0 none, 1 DTMF, 2 FleetSync
inline constexpr BitField kBusyLockout{kFlagsACell, 3, 2};
inline constexpr BitField kSpUnmute{kFlagsACell, 5, 2};
inline constexpr BitField kScrambler{kFlagsBCell, 0, 4};         // 0 off, 1 to 8 (15 seen in the wild)
inline constexpr BitField kWide{kFlagsBCell, 4, 1};              // 1 wide, 0 narrow
inline constexpr BitField kHighPower{kFlagsBCell, 5, 1};         // 1 high, 0 low
inline constexpr BitField kBeatShift{kFlagsBCell, 6, 1};
inline constexpr BitField kPttId{kFlagsCCell, 0, 1};
inline constexpr BitField kAutodialMemory{kFlagsDCell, 0, 3};    // 0 to 7, shown as 1 to 8

// Scan membership lives apart from the records: one bit per channel in row 23,
// channels 1 to 8 in cell 14 (bit n-1), channels 9 to 16 in cell 15 (bit n-9).
inline constexpr int kScanRow = 23;
inline constexpr int kScanFirstCell = 14;

// Flags of a channel created by typing a receive frequency into an empty one:
// high power, wide, scrambler off, PTT ID off, autodial memory 1. The grid and
// the detail editor have always differed in flags B: the detail editor sets the
// scrambler nibble to 0x0F.
inline constexpr quint8 kNewFlagsA = 0x00;
inline constexpr quint8 kNewFlagsBGrid = 0xB0;
inline constexpr quint8 kNewFlagsBDetail = 0xBF;
inline constexpr quint8 kNewFlagsC = 0xB0;
inline constexpr quint8 kNewFlagsD = 0xF8;

inline bool isValidNumber(int number) { return number >= kFirst && number <= kLast; }
inline int row(int number) { return number; }

bool isEmpty(const RadioImage& image, int number);
bool hasTransmit(const RadioImage& image, int number);

FrequencyBytes receive(const RadioImage& image, int number);
FrequencyBytes transmit(const RadioImage& image, int number);
void setReceive(RadioImage& image, int number, const FrequencyBytes& bytes);
void setTransmit(RadioImage& image, int number, const FrequencyBytes& bytes);
// No transmit frequency and, with it, no encode tone.
void clearTransmit(RadioImage& image, int number);

ToneCode decode(const RadioImage& image, int number);
ToneCode encode(const RadioImage& image, int number);
void setDecode(RadioImage& image, int number, ToneCode code);
void setEncode(RadioImage& image, int number, ToneCode code);

int field(const RadioImage& image, int number, BitField field);
void setField(RadioImage& image, int number, BitField field, int value);

bool inScan(const RadioImage& image, int number);
void setInScan(RadioImage& image, int number, bool member);

} // namespace channel

// Empties channel n: all 16 bytes erased and out of the scan list.
void clearChannel(RadioImage& image, int number);
// Gives a channel that has just received its first frequency the new-channel
// values (no tones, the flags above) and puts it in the scan list. The
// frequency cells are left to the caller.
void startNewChannel(RadioImage& image, int number, quint8 flagsB = channel::kNewFlagsBGrid);

} // namespace r5
