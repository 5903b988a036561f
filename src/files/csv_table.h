#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace r5 {

// A comma-separated table as spreadsheets write it: RFC 4180 quoting (fields
// may hold the separator, quotes and line breaks), UTF-8 with or without a
// byte order mark. Reading and quoting are left to libcsv.

struct CsvRecord {
    int line = 0;  // 1-based line of the file the record starts on
    QStringList fields;
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRecord> records;  // blank lines are skipped
};

struct CsvReadError {
    enum class Kind { NotUtf8, BadQuoting };
    Kind kind;
    int line;  // where the fault was found
};

// A header line holding ';' and no ',' makes ';' the separator, as spreadsheets
// in locales with a decimal comma write it; otherwise ','.
struct CsvReadResult {
    CsvTable table;
    std::optional<CsvReadError> error;
};
CsvReadResult parseCsv(const QByteArray& text);

// One record, fields quoted only when they need it, ended by CR LF.
QByteArray csvLine(const QStringList& fields, char separator = ',');

} // namespace r5
