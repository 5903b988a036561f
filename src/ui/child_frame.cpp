#include "ui/child_frame.h"

#include "ui/accessible_names.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace r5 {

ChildFrame::ChildFrame(ChildWindow* child, QWidget* parent)
    : QMdiSubWindow(parent), child_(child)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(child);
    setObjectName(child->objectName() + "_frame");
    // The frame's Close would also take Ctrl+W on this desktop, which is the
    // program's "Write to radio"; it keeps Ctrl+F4.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4)});
    setWindowTitle(child->windowTitle());
    connect(child, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    nameControls(child);
}

void ChildFrame::closeWithoutAsking()
{
    forced_ = true;
    close();
}

void ChildFrame::closeEvent(QCloseEvent* event)
{
    if (!forced_ && child_ && !child_->mayClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void closeChildWindow(QWidget* child)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
        frame->close();
    else
        child->close();
}

} // namespace r5
