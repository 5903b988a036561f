#pragma once

#include <QtGlobal>

#include <array>

namespace r5::protocol {

// The access sequence that puts the radio into programming mode; it opens every
// exchange. The radio answers with a reply that carries marker bytes (0xAA, and
// 0xBB for the password exchange) at fixed distances.
inline constexpr std::array<quint8, 8> HandshakeMagic = {0x52, 0x35, 0x50, 0x47, 0x4D, 0x4F, 0x44, 0x45};

} // namespace r5::protocol
