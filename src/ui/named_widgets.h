#pragma once

#include <QLabel>
#include <QPushButton>

namespace r5 {

// Controls carry the names the radio maker's tools gave them, so tests and
// dealers' support notes can point at them.
inline QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

inline QPushButton* namedButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace r5
