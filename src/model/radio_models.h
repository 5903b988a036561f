#pragma once

#include <QString>

#include <array>

namespace r5 {

// The radios of the family differ only by band. A model's limits bound every
// frequency the editors accept (both ends included) and choose which default
// channel set a fresh image gets.
struct RadioModel {
    const char* name;
    int bandLow;   // whole MHz
    int bandHigh;  // whole MHz: the true top (174.9875 ...) rounded to an integer
};

inline constexpr int kVhfModel = 0;
inline constexpr int kUhfModel = 1;
inline constexpr int kFullModel = 2;
inline constexpr int kStartModel = kUhfModel;

inline constexpr std::array<RadioModel, 3> kModels = {{
    {"Sable-VHF", 136, 175},
    {"Sable-UHF", 400, 521},
    {"Sable-FULL", 100, 601},
}};

// The model index for a model name, or -1.
int modelIndex(const QString& name);

// The band as the main window's status bar shows it: " 400-- 520 MHZ". The
// status bar has always shown the stored upper limit less one.
QString bandStatusText(double bandLow, double bandHigh);
// The band as the model window's label shows it: " 136 --  175".
QString bandLabelText(int modelIndex);

} // namespace r5
