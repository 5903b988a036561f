#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

namespace r5 {

// A block of radio memory seen as rows of 16 bytes, the way every editor and
// file addresses it: row r, cell c is the byte at address 16 * r + c.
template <int Rows>
class ByteGrid {
public:
    static constexpr int kRows = Rows;
    static constexpr int kCellsPerRow = 16;
    static constexpr int kSize = Rows * kCellsPerRow;

    quint8 cell(int row, int cell) const { return bytes_[index(row, cell)]; }
    void setCell(int row, int cell, quint8 value) { bytes_[index(row, cell)] = value; }

    quint8 at(int address) const { return bytes_[checked(address)]; }
    void setAt(int address, quint8 value) { bytes_[checked(address)] = value; }

    void fill(quint8 value) { bytes_.fill(value); }

    QByteArray toBytes() const
    {
        return QByteArray(reinterpret_cast<const char*>(bytes_.data()), kSize);
    }
    // Replaces the whole block; a block of another size is refused (returns false).
    bool setBytes(const QByteArray& data)
    {
        if (data.size() != kSize)
            return false;
        for (int i = 0; i < kSize; ++i)
            bytes_[i] = static_cast<quint8>(data[i]);
        return true;
    }

    bool operator==(const ByteGrid&) const = default;

private:
    static int index(int row, int cell)
    {
        Q_ASSERT(row >= 0 && row < Rows && cell >= 0 && cell < kCellsPerRow);
        return row * kCellsPerRow + cell;
    }
    static int checked(int address)
    {
        Q_ASSERT(address >= 0 && address < kSize);
        return address;
    }

    std::array<quint8, kSize> bytes_{};
};

// The radio's 1 KiB of programmable memory (0x000 to 0x3FF). A read from the
// radio replaces all of it, a write sends rows 0 to 48, the channel file keeps
// rows 0 to 53. The application owns exactly one; editors work on it in place.
//
// Beside the memory it carries cells 16 to 21 of rows 0 to 53: they never reach
// the radio, but the channel file has always stored them, so a file that holds
// other values there must load and save back unchanged.
class RadioImage : public ByteGrid<64> {
public:
    static constexpr quint8 kErased = 0xFF;  // an erased or unset byte
    static constexpr int kExtraFirstCell = 16;
    static constexpr int kExtraCells = 6;     // cells 16 to 21
    static constexpr int kExtraRows = 54;     // rows 0 to 53

    qint16 extra(int row, int cell) const { return extras_[extraIndex(row, cell)]; }
    void setExtra(int row, int cell, qint16 value) { extras_[extraIndex(row, cell)] = value; }

    bool operator==(const RadioImage&) const = default;

private:
    static int extraIndex(int row, int cell)
    {
        Q_ASSERT(row >= 0 && row < kExtraRows && cell >= kExtraFirstCell
                 && cell < kExtraFirstCell + kExtraCells);
        return row * kExtraCells + (cell - kExtraFirstCell);
    }

    std::array<qint16, kExtraRows * kExtraCells> extras_{};
};

// The radio's 512-byte tuning block (radio addresses 0x1E00 to 0x1FFF), kept
// apart from the programmable memory and edited only by the factory section.
using AdjustImage = ByteGrid<32>;

} // namespace r5
