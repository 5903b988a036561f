#pragma once

#include "ui/child_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace r5 {

// ModelWindow: the choice of radio model. Confirming another model gives the
// image that model's factory channels and moves the band every frequency
// editor accepts.
class ModelWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ModelWindow(AppState& state, QWidget* parent = nullptr);

    QRect initialGeometry(const QSize& mainWindowSize) const override;

signals:
    // The model was confirmed; the status bar shows its band.
    void modelConfirmed();

private:
    void showSelectedBand();
    void confirm();

    QComboBox* modelList_;
    QLabel* bandLabel_;
    QString lastAccepted_;
};

} // namespace r5
