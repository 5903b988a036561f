#pragma once

#include "model/scan_info.h"
#include "ui/child_window.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace r5 {

// The scan settings of row 22: priority mode and channel, the two look-back
// times, the revert channel and the two scan delays.
class ScanWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ScanWindow(AppState& state, QWidget* parent = nullptr);

    void activated() override { showRow(); }
    QRect initialGeometry(const QSize& mainWindowSize) const override;

private:
    // Draws the row; a list whose selection moves writes its value back. The
    // revert list is rebuilt for the mode each time.
    void showRow();
    void retranslate() override;
    void choose(scan::Item item, int position);
    void priorityChannelEdited(const QString& text);

    Language language_;
    std::array<QComboBox*, scan::kItemCount> lists_{};
    QLineEdit* priorityChannel_;
};

} // namespace r5
