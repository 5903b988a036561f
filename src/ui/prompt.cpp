#include "ui/prompt.h"

#include <QMessageBox>

namespace r5 {

QString promptTitle(PromptTitle title, Language language)
{
    if (language == Language::Chinese || title == PromptTitle::ChineseOnly)
        return QString::fromUtf8("操作提示");
    return title == PromptTitle::CompletionPrompt ? QString("Operate Prompt") : QString("Operate prompt");
}

void showPrompt(QWidget* parent, const QString& text, Language language, PromptTitle title, PromptIcon icon)
{
    QMessageBox box(icon == PromptIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    promptTitle(title, language), text, QMessageBox::Ok, parent);
    box.setObjectName("r5Prompt");
    box.exec();
}

} // namespace r5
