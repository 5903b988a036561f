#include "model/embedded_message.h"

namespace r5::message {
namespace {

constexpr int kFirstAddress = kFirstRow * RadioImage::kCellsPerRow;
constexpr char16_t kBackspace = 0x08;

} // namespace

bool isMessageCharacter(QChar ch) { return ch.unicode() >= kFirstShownCode && ch.unicode() <= kLastShownCode; }

int address(int line, int k)
{
    Q_ASSERT(line >= 1 && line <= kLineCount && k >= 1 && k <= kLineLength);
    return kFirstAddress + (line - 1) * kLineLength + (k - 1);
}

QString shownLine(const RadioImage& image, int line)
{
    QString text;
    for (int k = 1; k <= kLineLength; ++k) {
        const quint8 code = image.at(address(line, k));
        if (code >= kFirstShownCode && code <= kLastShownCode)
            text.append(QChar(code));
    }
    return text;
}

void storeLine(RadioImage& image, int line, const QString& text)
{
    for (int k = 1; k <= kLineLength; ++k)
        image.setAt(address(line, k), kFill);
    int k = 1;
    for (QChar ch : text.trimmed()) {
        if (k > kLineLength)
            break;
        if (isMessageCharacter(ch))
            image.setAt(address(line, k++), static_cast<quint8>(ch.unicode()));
    }
}

bool keyAccepted(const QString& boxText, QChar key)
{
    if (key == QChar(kBackspace))
        return true;
    return isMessageCharacter(key) && boxText.trimmed().size() < kLineLength;
}

} // namespace r5::message
