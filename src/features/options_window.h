#pragma once

#include "model/optional_features.h"
#include "ui/child_window.h"

#include <array>

class QCheckBox;
class QComboBox;

namespace r5 {

// The radio-wide options of row 19: time-out timer, squelch, voice prompts,
// the radio's power state, channel and volume, and three switches. Every
// choice is written into the image at once.
class OptionsWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit OptionsWindow(AppState& state, QWidget* parent = nullptr);

    void activated() override { showRow(); }
    QRect initialGeometry(const QSize& mainWindowSize) const override;

private:
    // Draws the row; a control that changes writes its value back, so the
    // first showing leaves every cell holding a value of its list.
    void showRow();
    void retranslate() override;
    void write(options::Item item);
    void typedInto(options::Item item);

    Language language_;
    std::array<QComboBox*, options::kItemCount> lists_{};
    std::array<QCheckBox*, options::kItemCount> checks_{};
};

} // namespace r5
