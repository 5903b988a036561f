#include "files/number_file.h"

#include "model/text.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace r5 {
namespace {

bool isSeparator(char ch)
{
    return ch == ' ' || ch == '\t' || ch == ',' || ch == '\r' || ch == '\n';
}

bool isWholeNumber(const QByteArray& token)
{
    int i = (token.startsWith('-') || token.startsWith('+')) ? 1 : 0;
    if (i == token.size())
        return false;
    for (; i < token.size(); ++i)
        if (token[i] < '0' || token[i] > '9')
            return false;
    return true;
}

// Reads a whole number that may be far too large for 16 bits without wrapping.
std::optional<qint16> toInt16(const QByteArray& token)
{
    bool ok = false;
    const qlonglong value = token.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

// "-32768" is the longest text a 16-bit value needs; even with a generous
// run of leading zeros a token this long cannot be one, so it is cut here.
constexpr int kLongestToken = 64;

// The offending text as a message shows it: printable ASCII as it stands,
// anything else as '?', so a control character from a broken file can never
// reach a terminal or a message box; "..." marks a token that was cut.
QString shownToken(const QByteArray& token, bool cut)
{
    QString text;
    for (const char ch : token)
        text += (ch >= 0x20 && ch < 0x7F) ? QChar(ch) : QChar('?');
    return cut ? text + "..." : text;
}

} // namespace

QString FileError::message(Language language) const
{
    const QString name = fileName(path);
    const QString where = language
        ? QString::fromUtf8("文件 “%1” 第 %2 行第 %3 列（第 %4 行第 %5 格）").arg(name).arg(line).arg(column).arg(row).arg(cell)
        : QString("\"%1\", line %2, column %3 (row %4, cell %5)").arg(name).arg(line).arg(column).arg(row).arg(cell);
    switch (kind) {
    case Kind::CannotOpen:
        return language == Language::Chinese ? QString::fromUtf8("无法打开文件 “%1”：%2").arg(path, reason)
                       : QString("Cannot open \"%1\": %2").arg(path, reason);
    case Kind::CannotRead:
        return language == Language::Chinese ? QString::fromUtf8("无法读取文件 “%1”：%2").arg(path, reason)
                       : QString("Cannot read \"%1\": %2").arg(path, reason);
    case Kind::CannotSave:
        return language == Language::Chinese ? QString::fromUtf8("无法保存文件 “%1”：%2").arg(path, reason)
                       : QString("Cannot save \"%1\": %2").arg(path, reason);
    case Kind::EndsEarly:
        return language == Language::Chinese ? QString::fromUtf8("文件 “%1” 不完整：只有 %2 个数值，需要 %3 个（缺少第 %4 行第 %5 格起的数值）。")
                             .arg(name).arg(found).arg(needed).arg(row).arg(cell)
                       : QString("\"%1\" ends early: it holds %2 of the %3 values needed (missing from row %4, cell %5 on).")
                             .arg(name).arg(found).arg(needed).arg(row).arg(cell);
    case Kind::NotANumber:
        return language == Language::Chinese ? where + QString::fromUtf8("：“%1” 不是整数。").arg(token)
                       : where + QString(": \"%1\" is not a whole number.").arg(token);
    case Kind::OutOfRange:
        return language == Language::Chinese ? where + QString::fromUtf8("：%1 超出 -32768 至 32767 的范围。").arg(token)
                       : where + QString(": %1 is outside -32768 to 32767.").arg(token);
    case Kind::NotAByte:
        return language == Language::Chinese ? where + QString::fromUtf8("：%1 不是 0 至 255 之间的字节值。").arg(token)
                       : where + QString(": %1 is not a byte value (0 to 255).").arg(token);
    }
    return {};
}

namespace {

NumberFileResult parseNumbers(QIODevice& input, const QString& path, const NumberFileLayout& layout)
{
    NumberFileResult result;
    const int needed = layout.rows * layout.cells;
    result.values.reserve(static_cast<size_t>(needed));

    int line = 1;
    int column = 1;
    // A file edited in a Windows text editor may start with the UTF-8 byte
    // order mark; it is not a value, so it is passed over.
    if (input.peek(3) == QByteArrayLiteral("\xEF\xBB\xBF"))
        input.skip(3);
    char ch = 0;
    bool pending = input.getChar(&ch);
    while (static_cast<int>(result.values.size()) < needed && pending) {
        if (isSeparator(ch)) {
            if (ch == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
            pending = input.getChar(&ch);
            continue;
        }
        // Read the token, but never more of it than a 16-bit number could
        // need: a file of binary junk (or a device that never ends) must not
        // grow one token without limit.
        const int startColumn = column;
        QByteArray token;
        bool cut = false;
        while (pending && !isSeparator(ch)) {
            if (token.size() == kLongestToken) {
                cut = true;
                break;
            }
            token.append(ch);
            ++column;
            pending = input.getChar(&ch);
        }
        const int index = static_cast<int>(result.values.size());
        FileError error;
        error.path = path;
        error.token = shownToken(token, cut);
        error.line = line;
        error.column = startColumn;
        error.row = index / layout.cells;
        error.cell = index % layout.cells;
        if (!isWholeNumber(token)) {
            error.kind = FileError::Kind::NotANumber;
            result.error = error;
            return result;
        }
        const auto value = cut ? std::nullopt : toInt16(token);
        if (!value) {
            error.kind = FileError::Kind::OutOfRange;
            result.error = error;
            return result;
        }
        if (layout.isByte(error.cell) && (*value < 0 || *value > 255)) {
            error.kind = FileError::Kind::NotAByte;
            result.error = error;
            return result;
        }
        result.values.push_back(*value);
    }

    const int found = static_cast<int>(result.values.size());
    if (found < needed) {
        FileError error;
        error.kind = FileError::Kind::EndsEarly;
        error.path = path;
        error.found = found;
        error.needed = needed;
        error.row = found / layout.cells;
        error.cell = found % layout.cells;
        result.error = error;
    }
    return result;
}

} // namespace

NumberFileResult parseNumberText(const QByteArray& text, const QString& path, const NumberFileLayout& layout)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return parseNumbers(buffer, path, layout);
}

NumberFileResult readNumberFile(const QString& path, const NumberFileLayout& layout)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        NumberFileResult result;
        FileError error;
        error.kind = FileError::Kind::CannotOpen;
        error.path = path;
        error.reason = file.errorString();
        result.error = error;
        return result;
    }
    NumberFileResult result = parseNumbers(file, path, layout);
    // A read that fails half way looks like the end of the file to the
    // parser; say what really happened instead of "ends early".
    if (result.error && result.error->kind == FileError::Kind::EndsEarly && file.error() != QFileDevice::NoError) {
        result.error->kind = FileError::Kind::CannotRead;
        result.error->reason = file.errorString();
    }
    return result;
}

QByteArray formatNumberText(const std::vector<qint16>& values, int cells)
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(values.size() * 5));
    for (size_t i = 0; i < values.size(); ++i) {
        const qint16 v = values[i];
        if (v >= 0)
            text += ' ';
        text += QByteArray::number(v);
        text += ' ';
        if ((i + 1) % static_cast<size_t>(cells) == 0)
            text += "\r\n";
    }
    return text;
}

std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& content)
{
    // Unbuffered, so a short write (disk full, file-size limit) shows up here
    // instead of being lost in a final flush that still reports success.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    qint64 written = 0;
    while (ok && written < content.size()) {
        const qint64 n = file.write(content.constData() + written, content.size() - written);
        ok = n > 0;
        written += std::max<qint64>(n, 0);
    }
    if (ok && file.commit())
        return std::nullopt;
    FileError error;
    error.kind = FileError::Kind::CannotSave;
    error.path = path;
    error.reason = file.errorString();
    file.cancelWriting();
    return error;
}

} // namespace r5
