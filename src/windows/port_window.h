#pragma once

#include "ui/child_window.h"

#include <array>

class QRadioButton;

namespace r5 {

class PortTable;

// PortWindow: which of COM1 to COM8 the read and write windows use. Each
// choice shows the device behind it; a number with no device is greyed but
// can still be chosen (an adapter plugged in later gets it), and the link
// windows say so when they cannot open it.
class PortWindow : public ChildWindow {
    Q_OBJECT
public:
    PortWindow(AppState& state, const PortTable& ports, QWidget* parent = nullptr);

    QRect initialGeometry(const QSize& mainWindowSize) const override;

signals:
    // The port was confirmed; the status bar shows it.
    void portConfirmed();

private:
    void confirm();

    std::array<QRadioButton*, 8> options_{};
};

} // namespace r5
