#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

namespace r5::test {

// Records and closes every message box the program shows while it lives, so a
// window test can drive code that waits on a modal prompt and then check what
// the user was told.
class PromptCatcher : public QObject {
public:
    struct Prompt {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    PromptCatcher()
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &PromptCatcher::closeOpenPrompts);
        timer_.start();
    }

    const QList<Prompt>& prompts() const { return prompts_; }
    bool empty() const { return prompts_.isEmpty(); }
    QString lastText() const { return prompts_.isEmpty() ? QString() : prompts_.last().text; }
    void clear() { prompts_.clear(); }

private:
    void closeOpenPrompts()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible() && box->objectName() == "r5Prompt") {
                prompts_.append({box->windowTitle(), box->text(), box->icon()});
                box->accept();
            }
        }
    }

    QTimer timer_;
    QList<Prompt> prompts_;
};

} // namespace r5::test
