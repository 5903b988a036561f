#include "gui/prompt_helpers.h"

#include <QApplication>

namespace r5::test {

PromptCatcher::PromptCatcher()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &PromptCatcher::closeOpenPrompts);
    timer_.start();
}

void PromptCatcher::closeOpenPrompts()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible() && box->objectName() == "r5Prompt") {
            prompts_.append({box->windowTitle(), box->text(), box->icon()});
            box->accept();
        }
    }
}

} // namespace r5::test
