#pragma once

#include <QString>

class QWidget;

namespace r5 {

// The titles the program's message boxes carry. Most say "操作提示" /
// "Operate prompt"; completion messages have always said "Operate Prompt" with
// a capital P in English, and a few factory messages exist only in Chinese.
enum class PromptTitle {
    Prompt,           // "操作提示" / "Operate prompt"
    CompletionPrompt, // "操作提示" / "Operate Prompt"
    ChineseOnly,      // "操作提示" in both languages
};

enum class PromptIcon { Warning, Information };

QString promptTitle(PromptTitle title, Language language);

// Shows a modal message box with one OK button and waits until it is closed.
// The object name "r5Prompt" lets tests find and close it.
void showPrompt(QWidget* parent, const QString& text, Language language,
                PromptTitle title = PromptTitle::Prompt, PromptIcon icon = PromptIcon::Warning);

} // namespace r5
