#include "ui/editor_keys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace r5 {

bool isEnterKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool isTabKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
}

bool isEditingKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return (event->modifiers() & Qt::ControlModifier) != 0;
    }
}

bool isPasteKey(const QKeyEvent* event) { return event->matches(QKeySequence::Paste); }

bool typesCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text[0].isPrint();
}

} // namespace r5
