#pragma once

#include "model/radio_image.h"

#include <QtGlobal>

#include <array>

namespace r5 {

// Row 19, cells 0 to 8, of a fresh image: time-out 120 s, squelch 5, Chinese
// voice, keypad unlocked, battery save on, beep on, power on, channel 1,
// volume 10.
inline constexpr int kOptionRow = 19;
inline constexpr std::array<quint8, 9> kOptionStartValues = {8, 5, 1, 0, 1, 1, 1, 0, 9};

// The passwords a fresh tuning block carries (row 31: user in cells 0 to 5,
// super in cells 6 to 11). Six digits each; a factory technician replaces them
// before a radio leaves the bench.
inline constexpr char kDefaultUserPassword[] = "000000";
inline constexpr char kDefaultSuperPassword[] = "999999";

// Erases rows 0 to 63 (the whole radio memory), as a blank radio holds it.
void fillImage(RadioImage& image);

// The two factory channel sets. Each overwrites channels 1 to 16 (rows 1 to 16)
// and touches nothing else, scan bits included.
void buildUhfChannels(RadioImage& image);
void buildVhfChannels(RadioImage& image);

// The factory defaults of the tuning block.
AdjustImage defaultAdjustImage();

// The image a fresh start shows for a model: erased, the option start values,
// and the channel set of the model (UHF set for model 1, VHF set otherwise).
RadioImage startUpImage(int model);

} // namespace r5
