#pragma once

#include "link/port_details.h"
#include "ui/child_window.h"

#include <array>
#include <memory>

class QLabel;
class QRadioButton;

namespace r5 {

// PortWindow: which of COM1 to COM8 the read and write windows use. Each
// choice shows the device behind it; a number with no device is greyed but
// can still be chosen (an adapter plugged in later gets it), and the link
// windows say so when they cannot open it.
class PortWindow : public ChildWindow {
    Q_OBJECT
public:
    PortWindow(AppState& state, const PortTable& ports, QWidget* parent = nullptr);

    QRect initialGeometry(const QSize& mainWindowSize) const override;

    // Adds the port doctor: the chosen port's details below the choices, each
    // choice's details as its tool tip, and a Test button that opens the
    // chosen port with `factory` and says whether it works or why not.
    void addPortDoctor(SerialPortFactory& factory, std::unique_ptr<PortFacts> facts);

signals:
    // The port was confirmed; the status bar shows it.
    void portConfirmed();

private:
    void confirm();
    int chosenPort() const;
    void showDetails(int comPort);
    void retranslate() override;

    const PortTable& ports_;
    std::array<QRadioButton*, 8> options_{};
    std::unique_ptr<PortFacts> facts_;
    QLabel* details_ = nullptr;
    QLabel* testResult_ = nullptr;
};

} // namespace r5
