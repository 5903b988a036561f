#pragma once

#include "app/transfer_window.h"

namespace r5 {

// Form_Comm_Read: reads the radio's whole memory into the image. The image
// changes only when the read completes.
class Form_Comm_Read : public TransferWindow {
    Q_OBJECT
public:
    Form_Comm_Read(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
};

// Form_Comm_Write: writes the channels, settings and message rows of the image
// to the radio.
class Form_Comm_Write : public TransferWindow {
    Q_OBJECT
public:
    Form_Comm_Write(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
};

} // namespace r5
