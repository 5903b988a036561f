#pragma once

#include <QString>

namespace r5 {

// A text the program shows in both of its languages. The Chinese text is the
// radio maker's original; the English one is kept exactly as dealers know it,
// odd spellings included, because manuals and screenshots quote it.
struct Text {
    const char* zh;
    const char* en;

    QString in(Language language) const { return QString::fromUtf8(language == Language::Chinese ? zh : en); }
};

// A text that has only a Chinese form and is shown as such in both languages.
inline constexpr Text chineseOnly(const char* zh) { return Text{zh, zh}; }

// The two buttons every feature window carries. Help has never had an action.
inline constexpr Text kCloseCaption{"关闭", "Close"};
inline constexpr Text kHelpCaption{"帮助", "Help"};

} // namespace r5
