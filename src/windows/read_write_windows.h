#pragma once

#include "windows/transfer_window.h"

namespace r5 {

// ReadWindow: reads the radio's whole memory into the image. The image
// changes only when the read completes.
class ReadWindow : public TransferWindow {
    Q_OBJECT
public:
    ReadWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
};

// WriteWindow: writes the channels, settings and message rows of the image
// to the radio.
class WriteWindow : public TransferWindow {
    Q_OBJECT
public:
    WriteWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
};

} // namespace r5
