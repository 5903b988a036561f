#include "files/channel_csv.h"

#include "files/csv_table.h"
#include "model/channel_edit_rules.h"
#include "model/channel_fields.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_input.h"

#include <QFile>

#include <array>
#include <functional>

namespace r5 {
namespace {

constexpr const char* kColumnNames[kCsvColumnCount] = {
    "channel", "rx_mhz", "tx_mhz", "decode_tone", "encode_tone", "power", "bandwidth", "scan", "scrambler",
    "ptt_id", "option_signalling", "sp_unmute", "busy_lockout", "compander", "beat_shift", "autodial_memory",
};

// Sixteen channels take a few kilobytes; anything this large was picked by
// mistake (a device, a binary) and is refused before it is parsed.
constexpr qint64 kMaxCsvBytes = 1 << 20;

constexpr char kBom[] = "\xEF\xBB\xBF";

QString columnName(CsvColumn c) { return QString::fromLatin1(kColumnNames[static_cast<int>(c)]); }

CsvColumn columnAt(int index) { return channelFieldAt(index); }

QString fieldText(const RadioImage& image, int n, CsvColumn c, Language language)
{
    return channelFieldText(image, n, c, language);
}

bool shows(const RadioImage& image, int n, CsvColumn c, const QString& text)
{
    return channelFieldShows(image, n, c, text);
}

// A choice is read back by finding the value that shows as the text, so the
// texts accepted are exactly the texts the editors show.
std::optional<int> valueShownAs(const RadioImage& image, int n, CsvColumn c, const QString& text)
{
    RadioImage trial = image;
    for (int value = 0; value <= choiceMaxValue(c); ++value) {
        setChoiceValue(trial, n, c, value);
        if (shows(trial, n, c, text))
            return value;
    }
    return std::nullopt;
}

QString acceptedTexts(const RadioImage& image, int n, CsvColumn c, Language language)
{
    RadioImage trial = image;
    QStringList texts;
    for (int value = 0; value <= choiceMaxValue(c); ++value) {
        setChoiceValue(trial, n, c, value);
        const QString text = fieldText(trial, n, c, language);
        if (!texts.contains(text))
            texts << text;
    }
    return texts.join(", ");
}

// Spreadsheets in decimal-comma locales may turn 67.0 into 67,0.
QString withDecimalPoint(const QString& text)
{
    QString point = text.trimmed();
    return point.replace(',', '.');
}

std::optional<ToneCode> parseTone(const QString& text)
{
    const QString tone = withDecimalPoint(text).toUpper();
    if (tone.isEmpty())
        return ToneCode{};
    for (const Language language : {Language::English, Language::Chinese})
        if (grid::toneText(ToneCode{}, language).compare(tone, Qt::CaseInsensitive) == 0)
            return ToneCode{};
    const grid::TypedTone typed = grid::typedTone(tone);
    switch (typed.kind) {
    case grid::TypedTone::Kind::Ctcss: return typed.code;
    case grid::TypedTone::Kind::TableEntry: return ToneTable::code(typed.tableIndex);
    case grid::TypedTone::Kind::Unknown: break;
    }
    return std::nullopt;
}

using Field = std::function<QString(CsvColumn)>;

class RowImport {
public:
    RowImport(RadioImage& work, const AppState& state, int n, int line, const Field& field,
              std::vector<CsvError>& errors)
        : work_(work), state_(state), n_(n), line_(line), field_(field), errors_(errors) {}

    void run()
    {
        bool blank = true;
        for (int i = 1; i < kCsvColumnCount; ++i)
            blank = blank && field_(columnAt(i)).isEmpty();
        if (blank) {
            if (!channel::isEmpty(work_, n_))
                clearChannel(work_, n_);
            return;
        }
        importReceive();
        importTransmit();
        importTone(CsvColumn::Decode);
        importTone(CsvColumn::Encode);
        // In column order: option signalling and the decode tone come before
        // the two lists that depend on them.
        for (int i = static_cast<int>(CsvColumn::Power); i < kCsvColumnCount; ++i)
            importChoice(columnAt(i));
    }

private:
    void fail(CsvColumn c, CsvError::Kind kind, const QString& detail = {})
    {
        errors_.push_back({kind, line_, columnName(c), field_(c), detail});
    }

    // A frequency the channel holds already is kept even outside the band:
    // the VHF factory set has channels below 136 MHz, and a table must not be
    // refused for what the radio itself was given.
    std::optional<FrequencyBytes> frequency(CsvColumn c)
    {
        const QString text = withDecimalPoint(field_(c));
        if (shows(work_, n_, c, text))
            return c == CsvColumn::Receive ? channel::receive(work_, n_) : channel::transmit(work_, n_);
        if (classifyFrequency(text, state_.bandLow, state_.bandHigh) != FrequencyEntry::InBand) {
            fail(c, CsvError::Kind::OutOfBand,
                 QString("%1 - %2 MHz").arg(state_.bandLow).arg(state_.bandHigh));
            return std::nullopt;
        }
        if (!isStorableFrequencyText(text, state_.twoDigitMegahertz())) {
            fail(c, CsvError::Kind::NotStorable);
            return std::nullopt;
        }
        return frequencyBytes(padFrequencyText(text), state_.twoDigitMegahertz());
    }

    void importReceive()
    {
        std::optional<FrequencyBytes> bytes;
        if (field_(CsvColumn::Receive).isEmpty())
            fail(CsvColumn::Receive, CsvError::Kind::NoReceive);
        else
            bytes = frequency(CsvColumn::Receive);
        // The rest of the line is still checked, on a channel at the band's
        // bottom; the work image is dropped anyway.
        if (!bytes)
            bytes = frequencyBytes(bandLowText(state_.bandLow), state_.twoDigitMegahertz());
        if (channel::isEmpty(work_, n_)) {
            clearChannel(work_, n_);
            channel::setReceive(work_, n_, *bytes);
            startNewChannel(work_, n_);
        }
        channel::setReceive(work_, n_, *bytes);
    }

    void importTransmit()
    {
        if (field_(CsvColumn::Transmit).isEmpty()) {
            if (channel::hasTransmit(work_, n_))
                channel::clearTransmit(work_, n_);
            return;
        }
        if (const auto bytes = frequency(CsvColumn::Transmit))
            channel::setTransmit(work_, n_, *bytes);
    }

    void importTone(CsvColumn c)
    {
        const QString text = field_(c);
        if (shows(work_, n_, c, text))
            return;
        const auto tone = parseTone(text);
        if (c == CsvColumn::Encode && !channel::hasTransmit(work_, n_)) {
            if (!tone || !tone->isNone())
                fail(c, CsvError::Kind::EncodeWithoutTransmit);
            return;
        }
        if (!tone)
            fail(c, CsvError::Kind::UnknownTone);
        else if (c == CsvColumn::Decode)
            channel::setDecode(work_, n_, *tone);
        else
            channel::setEncode(work_, n_, *tone);
    }

    void importChoice(CsvColumn c)
    {
        const QString text = field_(c);
        if (shows(work_, n_, c, text))
            return;
        if (const auto value = valueShownAs(work_, n_, c, text))
            setChoiceValue(work_, n_, c, *value);
        else
            fail(c, CsvError::Kind::UnknownEntry, acceptedTexts(work_, n_, c, state_.language));
    }

    RadioImage& work_;
    const AppState& state_;
    const int n_;
    const int line_;
    const Field& field_;
    std::vector<CsvError>& errors_;
};

} // namespace

QStringList csvColumnNames()
{
    QStringList names;
    for (const char* name : kColumnNames)
        names << QString::fromLatin1(name);
    return names;
}

QByteArray channelCsvText(const RadioImage& image, Language language)
{
    QByteArray text = csvLine(csvColumnNames());
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        QStringList fields;
        for (int i = 0; i < kCsvColumnCount; ++i)
            fields << (channel::isEmpty(image, n) && i > 0 ? QString() : fieldText(image, n, columnAt(i), language));
        text += csvLine(fields);
    }
    // Spreadsheets take a file without a byte order mark for the local code
    // page, which garbles the Chinese texts.
    bool ascii = true;
    for (const char c : text)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    return ascii ? text : kBom + text;
}

std::optional<FileError> saveChannelCsv(const RadioImage& image, const QString& path, Language language)
{
    return writeFileAtomically(path, channelCsvText(image, language));
}

std::vector<CsvError> importChannelCsv(AppState& state, const QByteArray& text)
{
    using Kind = CsvError::Kind;
    const CsvReadResult parsed = parseCsv(text);
    if (parsed.error)
        return {{parsed.error->kind == CsvReadError::Kind::NotUtf8 ? Kind::NotUtf8 : Kind::BadQuoting,
                 parsed.error->line}};
    const std::vector<CsvRecord>& records = parsed.table.records;
    if (records.empty())
        return {{Kind::NoHeader}};

    std::vector<CsvError> errors;
    std::array<int, kCsvColumnCount> position;
    position.fill(-1);
    const CsvRecord& header = records.front();
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed().toLower();
        const int index = static_cast<int>(csvColumnNames().indexOf(name));
        if (index < 0)
            errors.push_back({Kind::UnknownColumn, header.line, {}, header.fields[i]});
        else if (position[index] >= 0)
            errors.push_back({Kind::DuplicateColumn, header.line, {}, name});
        else
            position[index] = i;
    }
    for (int i = 0; i < kCsvColumnCount; ++i)
        if (position[i] < 0)
            errors.push_back({Kind::MissingColumn, header.line, {}, csvColumnNames()[i]});
    if (!errors.empty())
        return errors;

    RadioImage work = state.image;
    std::array<bool, channel::kLast + 1> seen{};
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (withoutBlanks(record.fields.join(QString())).isEmpty())
            continue;  // a spreadsheet's trailing empty line
        if (record.fields.size() > header.fields.size()) {
            errors.push_back({Kind::TooManyFields, record.line});
            continue;
        }
        const Field field = [&](CsvColumn c) {
            const int index = position[static_cast<int>(c)];
            return index < record.fields.size() ? record.fields[index].trimmed() : QString();
        };
        bool isNumber = false;
        const int n = field(CsvColumn::Number).toInt(&isNumber);
        if (!isNumber || !channel::isValidNumber(n)) {
            errors.push_back({Kind::BadChannel, record.line, columnName(CsvColumn::Number), field(CsvColumn::Number)});
            continue;
        }
        if (seen[n]) {
            errors.push_back({Kind::DuplicateChannel, record.line, {}, QString::number(n)});
            continue;
        }
        seen[n] = true;
        RowImport(work, state, n, record.line, field, errors).run();
    }
    for (int n = channel::kFirst; n <= channel::kLast; ++n)
        if (!seen[n])
            errors.push_back({Kind::MissingChannel, 0, {}, QString::number(n)});
    if (errors.empty())
        state.image = work;
    return errors;
}

std::vector<CsvError> loadChannelCsv(AppState& state, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{CsvError::Kind::CannotRead, 0, {}, path, file.errorString()}};
    const QByteArray text = file.read(kMaxCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{CsvError::Kind::CannotRead, 0, {}, path, file.errorString()}};
    if (text.size() > kMaxCsvBytes)
        return {{CsvError::Kind::TooLarge, 0, {}, path}};
    return importChannelCsv(state, text);
}

QString CsvError::message(Language language) const
{
    const bool zh = language == Language::Chinese;
    using K = Kind;
    const QString where = line == 0 ? QString()
        : column.isEmpty() ? (zh ? QString::fromUtf8("第 %1 行：").arg(line) : QString("Line %1: ").arg(line))
                           : (zh ? QString::fromUtf8("第 %1 行 %2 列：").arg(line).arg(column)
                                 : QString("Line %1, column %2: ").arg(line).arg(column));
    auto say = [&](const char* language, const char* english) {
        return where + (zh ? QString::fromUtf8(language) : QString::fromLatin1(english));
    };
    switch (kind) {
    case K::CannotRead: return say("无法读取文件 “%1”：%2", "Cannot read \"%1\": %2").arg(value, detail);
    case K::TooLarge: return say("“%1” 太大，不是信道列表。", "\"%1\" is too large to be a channel list.").arg(value);
    case K::NotUtf8: return say("文本不是 UTF-8 编码，请另存为 UTF-8 CSV。", "the text is not UTF-8; save the file as UTF-8 CSV.");
    case K::BadQuoting:
        return say("引号没有闭合，或引号后还有其他字符。", "a quoted field is not closed or has text after its closing quote.");
    case K::NoHeader: return say("文件是空的：缺少标题行。", "The file is empty: the header line is missing.");
    case K::UnknownColumn: return say("未知的列 “%1”。", "unknown column \"%1\".").arg(value);
    case K::DuplicateColumn: return say("列 “%1” 出现了两次。", "column \"%1\" appears twice.").arg(value);
    case K::MissingColumn: return say("缺少列 “%1”。", "column \"%1\" is missing.").arg(value);
    case K::TooManyFields: return say("字段比标题行的列多。", "more fields than the header has columns.");
    case K::BadChannel: return say("“%1” 不是 1 至 16 的信道号。", "\"%1\" is not a channel number 1 to 16.").arg(value);
    case K::DuplicateChannel: return say("信道 %1 出现了两次。", "channel %1 appears twice.").arg(value);
    case K::MissingChannel: return say("信道 %1 没有对应的行。", "Channel %1 has no line.").arg(value);
    case K::NoReceive:
        return say("有设置的信道需要接收频率。", "a channel with settings needs a receive frequency.");
    case K::OutOfBand:
        return say("“%1” 超出频段 %2。", "\"%1\" is outside the band %2.").arg(value, detail);
    case K::NotStorable:
        return say("“%1” 不是电台能存储的频率（最多五位小数）。",
                   "\"%1\" is not a frequency the radio can store (at most five decimals).").arg(value);
    case K::UnknownTone:
        return say("“%1” 不是亚音：应为 CTCSS 频率（如 67.0）、DCS 代码（如 D023N）或 “无”。",
                   "\"%1\" is not a tone: give a CTCSS tone such as 67.0, a DCS code such as D023N, or None.")
            .arg(value);
    case K::EncodeWithoutTransmit:
        return say("没有发射频率的信道不能有编码亚音。", "an encode tone needs a transmit frequency.");
    case K::UnknownEntry:
        return say("“%1” 不是可选项之一：%2。", "\"%1\" is not one of: %2.").arg(value, detail);
    }
    return {};
}

} // namespace r5
