#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace r5 {
namespace {

// Set on a control that carries the window's title as its name, so a
// re-captioned window names it again.
constexpr char kNamedAfterWindow[] = "r5NamedAfterWindow";

// Boxes take their name from a buddy label; lists and tables cannot (Qt reads
// only their own name), so they are named after the window.
bool takesBuddy(const QWidget* widget)
{
    return widget && (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
                      || qobject_cast<const QAbstractSpinBox*>(widget));
}

QWidget* firstWidget(QLayoutItem* item)
{
    if (!item)
        return nullptr;
    if (item->widget())
        return item->widget();
    QLayout* inner = item->layout();
    return inner && inner->count() > 0 ? firstWidget(inner->itemAt(0)) : nullptr;
}

bool pair(QWidget* maybeLabel, QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(maybeLabel);
    if (!label || label->buddy() || !takesBuddy(control) || !control->accessibleName().isEmpty())
        return false;
    label->setBuddy(control);
    return true;
}

void pairInLayout(QLayout* layout)
{
    if (!layout)
        return;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column) {
                QWidget* here = firstWidget(grid->itemAtPosition(row, column));
                if (!pair(here, firstWidget(grid->itemAtPosition(row, column + 1))))
                    pair(here, firstWidget(grid->itemAtPosition(row + 1, column)));
            }
    } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        for (int row = 0; row < form->rowCount(); ++row)
            pair(firstWidget(form->itemAt(row, QFormLayout::LabelRole)),
                 firstWidget(form->itemAt(row, QFormLayout::FieldRole)));
    } else {
        for (int i = 0; i + 1 < layout->count(); ++i)
            pair(layout->itemAt(i)->widget(), firstWidget(layout->itemAt(i + 1)));
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        pairInLayout(item->layout());
        if (item->widget())
            pairInLayout(item->widget()->layout());
    }
}

bool hasBuddy(const QWidget* control)
{
    for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == control)
            return true;
    return false;
}

} // namespace

void nameControls(QWidget* window)
{
    pairInLayout(window->layout());
    QList<QWidget*> unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool box = takesBuddy(control) && !qobject_cast<QComboBox*>(control->parentWidget());
        if (control->window() != window->window() || !(box || qobject_cast<QAbstractItemView*>(control)))
            continue;  // a drop-down's own list, or no box at all
        if (control->property(kNamedAfterWindow).toBool()
            || (control->accessibleName().isEmpty() && !(box && hasBuddy(control))))
            unnamed << control;
    }
    for (int i = 0; i < unnamed.size(); ++i) {
        const QString number = unnamed.size() > 1 ? QString(" %1").arg(i + 1) : QString();
        unnamed[i]->setAccessibleName(window->windowTitle() + number);
        unnamed[i]->setProperty(kNamedAfterWindow, true);
    }
}

} // namespace r5
