#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

namespace r5 {

// Why a data file could not be read or written, with enough detail for the
// user to find the bad spot in a text editor.
struct FileError {
    enum class Kind {
        CannotOpen,
        CannotRead,  // opened, but the system failed while reading it
        CannotSave,
        EndsEarly,
        NotANumber,
        OutOfRange,  // beyond the 16-bit signed range every value must fit
        NotAByte,    // a value that goes to the radio must be 0 to 255
    };

    Kind kind = Kind::CannotOpen;
    QString path;
    QString reason;    // the system's reason (open/read/save)
    QString token;     // the offending text as it stands in the file
    int line = 0;      // 1-based position of the offending value in the file
    int column = 0;
    int row = 0;       // where the value would have gone
    int cell = 0;
    int found = 0;     // EndsEarly: how many values the file holds
    int needed = 0;    // EndsEarly: how many it should hold

    QString message(Language language) const;
};

// The shape of a text file of whole numbers: `rows` lines of `cells` values.
// `isByte(cell)` tells which values go to the radio and must be 0 to 255.
struct NumberFileLayout {
    int rows;
    int cells;
    std::function<bool(int cell)> isByte;
};

// Reads a file as a free-format list: any run of spaces, tabs, commas and line
// ends separates two numbers, so the line structure is not looked at; a
// leading UTF-8 byte order mark is passed over. Content
// after the last value needed is ignored (and not even read). All of it is
// checked before anything is returned, so a caller that applies the values only
// on success never ends up with a half-loaded image. The offending text in an
// error is cut to a sane length and shows only printable ASCII.
struct NumberFileResult {
    std::vector<qint16> values;  // rows * cells, row by row
    std::optional<FileError> error;
};
NumberFileResult readNumberFile(const QString& path, const NumberFileLayout& layout);
NumberFileResult parseNumberText(const QByteArray& text, const QString& path, const NumberFileLayout& layout);

// The file form: " 12 " for values of 0 and more, "-3 " for negative ones, the
// line ended by CR LF. Old versions wrote exactly this and dealers diff files.
QByteArray formatNumberText(const std::vector<qint16>& values, int cells);

// Writes through a temporary file renamed over the target, so a failed or
// interrupted save leaves the old file as it was.
std::optional<FileError> writeFileAtomically(const QString& path, const QByteArray& content);

} // namespace r5
