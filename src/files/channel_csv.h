#pragma once

#include "model/text.h"
#include "files/number_file.h"
#include "model/app_state.h"
#include "model/channel_fields.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace r5 {

// The 16 channels as a table a spreadsheet opens: one header line of fixed
// column names (the same in both languages, so scripts can rely on them), one
// line per channel, and for an empty channel a line with only its number.
// Every field reads as the channel grid or the detail editor shows it ("67.0",
// "D023N", "High"), in the language of the export; an import takes the texts
// of either language.
//
// An import checks every line against the editors' rules (the model's band, a
// frequency the radio can store, a tone the radio knows, the entries of each
// list) and changes nothing unless all of it is right. A field whose text is
// what the channel shows already is left as it is stored, so export then import
// gives back the image byte for byte, bits no editor touches included.
using CsvColumn = ChannelField;  // one column per field, in the fields' order
inline constexpr int kCsvColumnCount = kChannelFieldCount;

// "channel", "rx_mhz", "tx_mhz", "decode_tone", ... in column order.
QStringList csvColumnNames();

QByteArray channelCsvText(const RadioImage& image, Language language);
std::optional<FileError> saveChannelCsv(const RadioImage& image, const QString& path, Language language);

struct CsvError {
    enum class Kind {
        CannotRead,         // `detail`: the system's reason
        TooLarge,
        NotUtf8,
        BadQuoting,
        NoHeader,
        UnknownColumn,      // `value`: the name
        DuplicateColumn,
        MissingColumn,
        TooManyFields,
        BadChannel,         // not a channel number 1 to 16
        DuplicateChannel,
        MissingChannel,     // `value`: the number
        NoReceive,          // settings given for a channel without a receive frequency
        OutOfBand,          // `detail`: the band
        NotStorable,        // a frequency the radio cannot hold as written
        UnknownTone,
        EncodeWithoutTransmit,
        UnknownEntry,       // `detail`: the texts accepted
    };
    CsvError(Kind k, int atLine = 0, QString inColumn = {}, QString found = {}, QString more = {})
        : kind(k), line(atLine), column(std::move(inColumn)), value(std::move(found)), detail(std::move(more)) {}
    Kind kind;
    int line;        // 1-based line of the file, 0 for the file as a whole
    QString column;  // the column's name, when the error sits in one field
    QString value;   // the text found
    QString detail;
    QString message(Language language) const;
};

// Applies the table to `state.image`, checked against the state's band; on
// any error the image is left exactly as it was and every fault is returned.
std::vector<CsvError> importChannelCsv(AppState& state, const QByteArray& text);
std::vector<CsvError> loadChannelCsv(AppState& state, const QString& path);

} // namespace r5
