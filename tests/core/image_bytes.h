#pragma once

#include <QByteArray>

#include <string>

// Bytes as "0a ff 12", so a failure shows which byte differs.
inline std::string hexOf(const QByteArray& bytes) { return bytes.toHex(' ').toStdString(); }

// `count` bytes of an image from `address`.
template <typename Image>
std::string bytesAt(const Image& image, int address, int count)
{
    return hexOf(image.toBytes().mid(address, count));
}
