#include "model/char_codec.h"

#include "model/text.h"

#include <QList>

namespace r5 {
namespace {

constexpr char32_t kLastByteCode = 0xFF;
// %1 the character.
constexpr Text NoByteCode{"密码中的字符“%1”无法存入对讲机：只能使用单字节字符（如字母、数字）。",
                          "The password character \"%1\" cannot be stored in the radio: use one-byte characters (letters, digits)."};

bool inSet(int code)
{
    return (code >= '0' && code <= '9') || code == '+' || code == '-' || code == ' '
        || (code >= 'A' && code <= 'Z');
}

} // namespace

QString characterOfCode(int code)
{
    return inSet(code) ? QString(QChar(code)) : QString();
}

int codeOfCharacter(const QString& character)
{
    if (character.size() != 1)
        return kUnknownCharCode;
    int code = character[0].unicode();
    if (code >= 'a' && code <= 'z')
        code -= 'a' - 'A';
    return inSet(code) ? code : kUnknownCharCode;
}

std::optional<QString> firstCharWithoutByteCode(const QString& text)
{
    // By code point, so a character outside the basic plane is named whole.
    for (const char32_t c : text.toUcs4())
        if (c > kLastByteCode)
            return QString::fromUcs4(&c, 1);
    return std::nullopt;
}

QString noByteCodeMessage(const QString& character, Language language)
{
    return NoByteCode.in(language).arg(character);
}

} // namespace r5
