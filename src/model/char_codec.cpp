#include "model/char_codec.h"

namespace r5 {
namespace {

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

} // namespace r5
