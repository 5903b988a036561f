#include "app/child_frame.h"

#include <QCloseEvent>

namespace r5 {

ChildFrame::ChildFrame(ChildWindow* child, QWidget* parent)
    : QMdiSubWindow(parent), child_(child)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(child);
    setObjectName(child->objectName() + "_frame");
    setWindowTitle(child->windowTitle());
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
