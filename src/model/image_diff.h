#pragma once

#include "model/text.h"
#include "model/radio_image.h"

#include <QString>

#include <optional>
#include <vector>

namespace r5 {

// One field that differs between two programmings, named and shown as its
// window shows it: "Channel 3", "RX Frequency", "420.02500", "420.52500".
struct Difference {
    QString place;   // a channel or a settings window
    QString name;    // the field
    QString before;  // as the first image shows it (empty: nothing)
    QString after;
    bool operator==(const Difference&) const = default;
};

// Every difference between `before` and `after`: the channels field by field,
// then the settings windows item by item. Bytes that differ without showing in
// any field (bits no editor uses, rows no editor owns, the channel file's
// extra cells) are listed by address, so two images that differ never
// compare equal.
std::vector<Difference> imageDifferences(const RadioImage& before, const RadioImage& after, Language language);

// The first byte of rows 0 to `lastRow` the radio gave back other than it was
// written, and the field it belongs to ("Channel 12: TX Power"; empty for a
// byte no window shows).
struct kMismatch {
    int address;
    quint8 written;
    quint8 readBack;
    QString field;
};
std::optional<kMismatch> firstMismatch(const RadioImage& written, const RadioImage& readBack, int lastRow,
                                      Language language);

} // namespace r5
