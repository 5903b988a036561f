#include "ui/child_window.h"

#include <QKeyEvent>
#include <QPushButton>

namespace r5 {

void ChildWindow::setDefaultButton(QPushButton* button)
{
    // Outside a dialog Qt only draws a default button; the window presses it.
    button->setDefault(true);
    defaultButton_ = button;
}

void ChildWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier || !defaultButton_) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPushButton* button = defaultButton_;
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && isAncestorOf(focused))
        button = focused;
    if (button->isVisible() && button->isEnabled())
        button->click();
    event->accept();
}

} // namespace r5
