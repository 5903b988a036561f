#pragma once

#include "ui/captions.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
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

// The same with a caption in both languages that follows a language switch.
inline QLabel* namedLabel(const char* name, const Text& caption, Language language, QWidget* parent)
{
    return captioned(namedLabel(name, QString(), parent), caption, language);
}

inline QPushButton* namedButton(const char* name, const Text& caption, Language language, QWidget* parent)
{
    return captioned(namedButton(name, QString(), parent), caption, language);
}

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// A usable field has the normal field background, an unusable one the
// button face, so an empty field reads as "nothing here" at a glance.
inline void setUsable(QWidget* widget, bool usable)
{
    widget->setEnabled(usable);
    QPalette palette = widget->palette();
    const QPalette normal = QApplication::palette(widget);
    palette.setColor(QPalette::Base, usable ? normal.color(QPalette::Base) : normal.color(QPalette::Button));
    widget->setPalette(palette);
}

} // namespace r5
