#pragma once

#include "app/child_window.h"

namespace r5 {

// The About box: the program's title, version and a short notice.
class Form_About : public ChildWindow {
    Q_OBJECT
public:
    explicit Form_About(AppState& state, QWidget* parent = nullptr);

    QRect initialGeometry(const QSize& mainWindowSize) const override;
};

} // namespace r5
