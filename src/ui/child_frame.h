#pragma once

#include "ui/child_window.h"

#include <QMdiSubWindow>

namespace r5 {

// The frame a child window sits in inside the main window's workspace. A user
// closing it asks the child first (a link window refuses while it talks to the
// radio); the main window closes it without asking when it builds the window
// anew or ends the program.
class ChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildFrame(ChildWindow* child, QWidget* parent = nullptr);

    ChildWindow* child() const { return child_; }
    // Closes the frame now, whatever the child is doing.
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChildWindow* child_;
    bool forced_ = false;
};

// Closes a child window from inside, e.g. after its Confirm or Cancel: the
// frame around it when it has one, else the window itself.
void closeChildWindow(QWidget* child);

} // namespace r5
