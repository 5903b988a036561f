#include "model/char_codec.h"

namespace r5 {
namespace {

bool inSet(int code)
{
    return (code >= '0' && code <= '9') || code == '+' || code == '-' || code == ' '
        || (code >= 'A' && code <= 'Z');
}

} // namespace

QString CodeToChar(int code)
{
    return inSet(code) ? QString(QChar(code)) : QString();
}

int CharToCode(const QString& character)
{
    if (character.size() != 1)
        return kUnknownCharCode;
    int code = character[0].unicode();
    if (code >= 'a' && code <= 'z')
        code -= 'a' - 'A';
    return inSet(code) ? code : kUnknownCharCode;
}

bool isOneByteCharacter(QChar character)
{
    const char16_t u = character.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF);
}

} // namespace r5
