#pragma once

#include "model/key_assignment.h"
#include "ui/child_window.h"

#include <array>

class QComboBox;

namespace r5 {

// The functions of the two programmable side keys (row 17, cells 13 and 14).
class KeyAssignmentWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit KeyAssignmentWindow(AppState& state, QWidget* parent = nullptr);

    void activated() override { showKeys(); }
    QRect initialGeometry(const QSize& mainWindowSize) const override;

private:
    // A list whose selection moves writes its code back, so the first showing
    // leaves each key holding one of the list's codes.
    void showKeys();
    void retranslate() override;

    std::array<QComboBox*, keys::kKeyCount> lists_{};
};

} // namespace r5
