#pragma once

#include "model/text.h"

class QWidget;

namespace r5 {

// A control's caption in both languages: the control shows it in `language`
// now and keeps both forms, so a language switch re-captions it in place. A
// label or button takes it as its text, a group box as its title, any other
// widget as its window title.
void setCaption(QWidget* widget, const Text& caption, Language language);

template <typename W>
W* captioned(W* widget, const Text& caption, Language language)
{
    setCaption(widget, caption, language);
    return widget;
}

// Shows every caption kept under `root` (root included) in `language`.
void recaption(QWidget* root, Language language);

} // namespace r5
