#pragma once

#include "model/embedded_message.h"
#include "ui/child_window.h"

#include <array>

class QLineEdit;

namespace r5 {

// The two lines of the message the radio shows at power-on (rows 48 to 51).
class MessageWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit MessageWindow(AppState& state, QWidget* parent = nullptr);

    void activated() override { showLines(); }
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showLines();
    void edited(int line);

    std::array<QLineEdit*, message::kLineCount> boxes_{};
};

} // namespace r5
