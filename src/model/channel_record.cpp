#include "model/channel_record.h"

namespace r5 {

int readField(const RadioImage& image, int row, BitField field)
{
    return (image.cell(row, field.cell) & field.mask()) >> field.shift;
}

void writeField(RadioImage& image, int row, BitField field, int value)
{
    const int kept = image.cell(row, field.cell) & ~field.mask();
    image.setCell(row, field.cell, static_cast<quint8>(kept | ((value << field.shift) & field.mask())));
}

namespace channel {
namespace {

FrequencyBytes readFrequency(const RadioImage& image, int number, int firstCell)
{
    FrequencyBytes bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[i] = image.cell(row(number), firstCell + i);
    return bytes;
}

void writeFrequency(RadioImage& image, int number, int firstCell, const FrequencyBytes& bytes)
{
    for (int i = 0; i < 4; ++i)
        image.setCell(row(number), firstCell + i, bytes[i]);
}

ToneCode readTone(const RadioImage& image, int number, int firstCell)
{
    return ToneCode{image.cell(row(number), firstCell), image.cell(row(number), firstCell + 1)};
}

void writeTone(RadioImage& image, int number, int firstCell, ToneCode code)
{
    image.setCell(row(number), firstCell, code.low);
    image.setCell(row(number), firstCell + 1, code.high);
}

int scanCell(int number) { return kScanFirstCell + (number - 1) / 8; }
int scanBit(int number) { return (number - 1) % 8; }

} // namespace

bool isEmpty(const RadioImage& image, int number)
{
    return image.cell(row(number), kReceiveCell) == RadioImage::kErased;
}

bool hasTransmit(const RadioImage& image, int number)
{
    return image.cell(row(number), kTransmitCell) != RadioImage::kErased;
}

FrequencyBytes receive(const RadioImage& image, int number) { return readFrequency(image, number, kReceiveCell); }
FrequencyBytes transmit(const RadioImage& image, int number) { return readFrequency(image, number, kTransmitCell); }

void setReceive(RadioImage& image, int number, const FrequencyBytes& bytes)
{
    writeFrequency(image, number, kReceiveCell, bytes);
}

void setTransmit(RadioImage& image, int number, const FrequencyBytes& bytes)
{
    writeFrequency(image, number, kTransmitCell, bytes);
}

void clearTransmit(RadioImage& image, int number)
{
    writeFrequency(image, number, kTransmitCell, {0xFF, 0xFF, 0xFF, 0xFF});
    writeTone(image, number, kEncodeCell, ToneCode{});
}

ToneCode decode(const RadioImage& image, int number) { return readTone(image, number, kDecodeCell); }
ToneCode encode(const RadioImage& image, int number) { return readTone(image, number, kEncodeCell); }
void setDecode(RadioImage& image, int number, ToneCode code) { writeTone(image, number, kDecodeCell, code); }
void setEncode(RadioImage& image, int number, ToneCode code) { writeTone(image, number, kEncodeCell, code); }

int field(const RadioImage& image, int number, BitField f) { return readField(image, row(number), f); }
void setField(RadioImage& image, int number, BitField f, int value) { writeField(image, row(number), f, value); }

bool inScan(const RadioImage& image, int number)
{
    return (image.cell(kScanRow, scanCell(number)) >> scanBit(number)) & 1;
}

void setInScan(RadioImage& image, int number, bool member)
{
    writeField(image, kScanRow, BitField{scanCell(number), scanBit(number), 1}, member ? 1 : 0);
}

} // namespace channel

void clearChannel(RadioImage& image, int number)
{
    for (int c = 0; c < RadioImage::kCellsPerRow; ++c)
        image.setCell(channel::row(number), c, RadioImage::kErased);
    channel::setInScan(image, number, false);
}

void startNewChannel(RadioImage& image, int number, quint8 flagsB)
{
    const int r = channel::row(number);
    channel::setDecode(image, number, ToneCode{});
    channel::setEncode(image, number, ToneCode{});
    image.setCell(r, channel::kFlagsACell, channel::kNewFlagsA);
    image.setCell(r, channel::kFlagsBCell, flagsB);
    image.setCell(r, channel::kFlagsCCell, channel::kNewFlagsC);
    image.setCell(r, channel::kFlagsDCell, channel::kNewFlagsD);
    channel::setInScan(image, number, true);
}

} // namespace r5
