#include "ui/child_window.h"

#include "ui/accessible_names.h"
#include "ui/captions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace r5 {

void ChildWindow::setDefaultButton(QPushButton* button)
{
    // Outside a dialog Qt only draws a default button; the window presses it.
    button->setDefault(true);
    defaultButton_ = button;
}

void ChildWindow::focusFirstControl()
{
    if (isAncestorOf(QApplication::focusWidget()))
        return;
    for (QWidget* w = nextInFocusChain(); w != this && isAncestorOf(w); w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void ChildWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        nameControls(this);
    }
}

void ChildWindow::retranslate() { recaption(this, language()); }

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
