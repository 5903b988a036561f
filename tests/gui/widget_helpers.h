#pragma once

#include <QtTest>
#include <QtWidgets>

namespace r5::test {

// The control `name` inside `parent`; a test cannot go on without it.
template <typename W = QWidget>
W* child(const QObject* parent, const QString& name)
{
    W* found = parent->findChild<W*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Text as an input method commits it: no key events at all.
inline void commitText(QWidget* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

// Clicks the cell of a grid at `line` (counted from 1) and `column`.
inline void clickCell(QTableWidget* grid, int line, int column)
{
    const QModelIndex index = grid->model()->index(line - 1, column);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
}

} // namespace r5::test
