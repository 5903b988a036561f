#include "model/numeric_text.h"

namespace r5 {

double leadingNumber(const QString& text)
{
    QString compact;
    for (QChar ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
            compact.append(ch);

    QString number;
    int i = 0;
    if (i < compact.size() && (compact[i] == '-' || compact[i] == '+'))
        number.append(compact[i++]);
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < compact.size(); ++i) {
        const QChar ch = compact[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            number.append(ch);
            seenDigit = true;
        } else if (ch == '.' && !seenPoint) {
            number.append(ch);
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    return number.toDouble();
}

} // namespace r5
