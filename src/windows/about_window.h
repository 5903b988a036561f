#pragma once

#include "ui/child_window.h"

namespace r5 {

// The About box: the program's title, version and a short notice.
class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit AboutWindow(AppState& state, QWidget* parent = nullptr);

    QRect initialGeometry(const QSize& mainWindowSize) const override;
};

} // namespace r5
