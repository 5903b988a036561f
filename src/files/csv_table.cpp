#include "files/csv_table.h"

#include <QStringDecoder>

#include <csv.h>

namespace r5 {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

struct ParseState {
    CsvTable* table = nullptr;
    int line = 1;          // the line libcsv is reading
    QStringList fields;
    int recordLine = 0;    // line of the current record's first field
    int lastEndLine = 0;   // line the last complete record ended on
};

void onField(void* data, size_t size, void* user)
{
    auto* state = static_cast<ParseState*>(user);
    if (state->fields.isEmpty())
        state->recordLine = state->line;
    state->fields << QString::fromUtf8(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

void onRecordEnd(int, void* user)
{
    auto* state = static_cast<ParseState*>(user);
    state->table->records.push_back({state->recordLine, state->fields});
    state->fields.clear();
    state->lastEndLine = state->line;
}

char detectSeparator(const QByteArray& text)
{
    const QByteArray first = text.left(text.indexOf('\n'));
    return first.contains(';') && !first.contains(',') ? ';' : ',';
}

} // namespace

CsvReadResult parseCsv(const QByteArray& input)
{
    CsvReadResult result;
    QByteArray text = input.startsWith(kBom) ? input.mid(3) : input;

    // Refuse a file in another encoding rather than import mangled names.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder.decode(text);
    if (decoder.hasError()) {
        int line = 1;
        for (const QByteArray& part : text.split('\n')) {
            QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            [[maybe_unused]] const QString decodedLine = lineDecoder.decode(part);
            if (lineDecoder.hasError())
                break;
            ++line;
        }
        result.error = CsvReadError{CsvReadError::Kind::NotUtf8, line};
        return result;
    }

    result.table.separator = detectSeparator(text);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        result.error = CsvReadError{CsvReadError::Kind::BadQuoting, 1};
        return result;
    }
    csv_set_delim(&parser, static_cast<unsigned char>(result.table.separator));
    ParseState state;
    state.table = &result.table;

    // Fed a line at a time so every record knows the line it starts on.
    qsizetype start = 0;
    bool failed = false;
    while (start < text.size() && !failed) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        const size_t length = static_cast<size_t>(end - start);
        failed = csv_parse(&parser, text.constData() + start, length, onField, onRecordEnd, &state) != length;
        if (!failed)
            ++state.line;
        start = end;
    }
    int failedLine = state.line;
    if (!failed && csv_fini(&parser, onField, onRecordEnd, &state) != 0) {
        // A quote left open runs to the end of the file: name where its record began.
        failed = true;
        failedLine = state.lastEndLine + 1;
    }
    csv_free(&parser);
    if (failed)
        result.error = CsvReadError{CsvReadError::Kind::BadQuoting, failedLine};
    return result;
}

QByteArray csvLine(const QStringList& fields, char separator)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const QByteArray field = fields[i].toUtf8();
        const bool quote = field.contains(separator) || field.contains('"') || field.contains('\n')
                           || field.contains('\r') || field != field.trimmed();
        if (!quote) {
            line += field;
            continue;
        }
        QByteArray quoted(static_cast<qsizetype>(field.size()) * 2 + 2, '\0');
        const size_t size = csv_write(quoted.data(), static_cast<size_t>(quoted.size()), field.constData(),
                                      static_cast<size_t>(field.size()));
        quoted.truncate(static_cast<qsizetype>(size));
        line += quoted;
    }
    return line + "\r\n";
}

} // namespace r5
