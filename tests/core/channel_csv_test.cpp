// Channel lists as CSV: what a spreadsheet round trip keeps, what an import
// refuses, and where it says the fault is.
#include "files/channel_csv.h"
#include "model/channel_record.h"
#include "model/frequency_codec.h"

#include "image_bytes.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRandomGenerator>

#include <clocale>

using namespace r5;

namespace {

AppState stateFor(int model)
{
    AppState state;
    state.selectModel(model);
    return state;
}

// Every byte random but the frequencies, which must lie in the band (in 10 Hz
// steps) for the import to take them: odd flags, stray bits in empty channels
// and encode tones without a transmit frequency included. With `knownTones`
// every tone has a text; without, some are pairs no list holds, which only
// survive an import over the image they came from.
RadioImage fuzzedImage(quint32 seed, const AppState& state, bool knownTones)
{
    QRandomGenerator random(seed);
    const auto frequency = [&] {
        const qint64 tenHz = random.bounded(qint64(state.bandLow * 1e5), qint64(state.bandHigh * 1e5) + 1);
        return frequencyBytes(QString::number(tenHz / 1e5, 'f', 5));
    };
    const auto tone = [&] {
        return random.bounded(2) ? ctcssCode(random.bounded(600, 2560)) : ToneTable::code(random.bounded(ToneTable::kCount));
    };
    RadioImage image;
    for (int a = 0; a < RadioImage::kSize; ++a)
        image.setAt(a, static_cast<quint8>(random.bounded(256)));
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        if (random.bounded(8) == 0) {
            image.setCell(n, channel::kReceiveCell, RadioImage::kErased);
            continue;
        }
        channel::setReceive(image, n, frequency());
        if (random.bounded(4) == 0)
            image.setCell(n, channel::kTransmitCell, RadioImage::kErased);
        else
            channel::setTransmit(image, n, frequency());
        if (knownTones) {
            channel::setDecode(image, n, tone());
            if (channel::hasTransmit(image, n))
                channel::setEncode(image, n, tone());
        }
    }
    return image;
}

TEST(ChannelCsv, ExportThenImportKeepsTheImageByteForByte)
{
    for (int model = 0; model < static_cast<int>(kModels.size()); ++model) {
        const AppState fresh = stateFor(model);
        std::vector<std::pair<RadioImage, bool>> images{{fresh.image, true}};
        for (quint32 seed = 1; seed <= 60; ++seed)
            images.push_back({fuzzedImage(seed * 7919 + model, fresh, seed % 2), seed % 2});
        for (const auto& [image, knownTones] : images)
            for (const Language language : {Language::English, Language::Chinese}) {
                const QByteArray text = channelCsvText(image, language);
                AppState same = fresh;
                same.image = image;
                const auto errors = importChannelCsv(same, text);
                ASSERT_TRUE(errors.empty()) << errors.front().message(Language::English).toStdString();
                ASSERT_EQ(same.image, image);
                if (!knownTones)
                    continue;
                // Over another image every text arrives (bits no column shows stay the target's).
                AppState other = fresh;
                ASSERT_TRUE(importChannelCsv(other, text).empty());
                ASSERT_EQ(channelCsvText(other.image, language), text);
            }
    }
}

TEST(ChannelCsv, SpreadsheetFormsAreAcceptedWhateverTheLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    AppState state = stateFor(kUhfModel);
    const RadioImage before = state.image;
    QByteArray text = channelCsvText(state.image, Language::English);
    // Semicolons, a byte order mark, every field quoted, a trailing empty line.
    QByteArray quoted = QByteArray(text).replace(',', "\";\"").replace("\r\n", "\"\r\n\"");
    EXPECT_TRUE(importChannelCsv(state, "\xEF\xBB\xBF\"" + quoted.chopped(1) + ";;;\r\n").empty());
    EXPECT_EQ(state.image, before);

    text.replace("\r\n12,400.17500,400.17500,67.0,67.0,", "\r\n12,400.5,400.17500,\"88,5\",D023N,");
    EXPECT_TRUE(importChannelCsv(state, text).empty());
    // 400.5 MHz receive, 400.175 transmit, 88.5 Hz decode, D023N encode.
    EXPECT_EQ(bytesAt(state.image, 12 * 16, 12), "00 00 05 40 00 75 01 40 75 03 13 28");
    if (cLocale)
        std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
}

// The exported table with field `column` of channel n's line set to `value`
// (channel n is on line n + 1; the default texts hold no separators).
QByteArray withField(const QByteArray& text, int n, CsvColumn column, const char* value)
{
    QList<QByteArray> lines = text.split('\n');
    QList<QByteArray> fields = lines[n].chopped(1).split(',');
    fields[static_cast<int>(column)] = value;
    lines[n] = fields.join(',') + '\r';
    return lines.join('\n');
}

TEST(ChannelCsv, TextsAreReadAsTheEditorsWriteThem)
{
    AppState state = stateFor(kVhfModel);
    QByteArray text = channelCsvText(state.image, Language::English);
    const char* line3[] = {"3", "145", "", "d023n", "", "low", "Narrow", "None", "2", "ON", "DTMF",
                           "QT/DQT+ Opt.Sig", "Option Signalling", "On", "On", "8"};
    for (int c = 0; c < kCsvColumnCount; ++c)
        text = withField(text, 3, static_cast<CsvColumn>(c), line3[c]);
    for (int c = 1; c < kCsvColumnCount; ++c)
        text = withField(text, 4, static_cast<CsvColumn>(c), "");
    const auto errors = importChannelCsv(state, text);
    ASSERT_TRUE(errors.empty()) << errors.front().message(Language::English).toStdString();

    // 145 MHz, no transmit, D023N on decode only; flags: compander, DTMF, lockout 3, SP unmute 1; scrambler 2,
    // narrow, low power, beat shift, bit 7 kept; PTT ID on; memory 8.
    EXPECT_EQ(bytesAt(state.image, 0x30, 16), "00 00 50 14 ff ff ff ff 13 28 ff ff 3b c2 b1 ff");
    EXPECT_FALSE(channel::inScan(state.image, 3));
    EXPECT_TRUE(channel::isEmpty(state.image, 4));
    EXPECT_FALSE(channel::inScan(state.image, 4));
}

struct FieldFault {
    CsvColumn column;
    const char* value;
    CsvError::Kind kind;
};

TEST(ChannelCsv, AWrongFieldIsNamed)
{
    using K = CsvError::Kind;
    const FieldFault faults[] = {
        {CsvColumn::Receive, "", K::NoReceive},
        {CsvColumn::Transmit, "440.5.3", K::NotStorable},
        {CsvColumn::Decode, "D999N", K::UnknownTone},
        {CsvColumn::Decode, "300.0", K::UnknownTone},
        {CsvColumn::Power, "Medium", K::UnknownEntry},
        {CsvColumn::Scan, "", K::UnknownEntry},
        // Only offered with option signalling.
        {CsvColumn::SpUnmute, "Carrier or Opt.Sig", K::UnknownEntry},
        {CsvColumn::Number, "17", K::BadChannel},
        {CsvColumn::Number, "4", K::DuplicateChannel},
    };
    AppState state = stateFor(kUhfModel);
    const QByteArray text = channelCsvText(state.image, Language::English);
    for (const FieldFault& fault : faults) {
        SCOPED_TRACE(fault.value);
        const auto errors = importChannelCsv(state, withField(text, 5, fault.column, fault.value));
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(std::pair(errors.front().kind, errors.front().line), std::pair(fault.kind, 6));
    }
    const auto errors = importChannelCsv(
        state, withField(withField(text, 5, CsvColumn::Transmit, ""), 5, CsvColumn::Encode, "67.0"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(std::pair(errors.front().kind, errors.front().column),
              std::pair(K::EncodeWithoutTransmit, QString("encode_tone")));
}

TEST(ChannelCsv, AWrongFileIsRefusedWithItsLine)
{
    using K = CsvError::Kind;
    AppState state = stateFor(kUhfModel);
    const QByteArray good = channelCsvText(state.image, Language::English);
    const QByteArray header = good.left(good.indexOf('\n') + 1);
    const struct {
        QByteArray text;
        K kind;
        int line;
    } cases[] = {
        {"", K::NoHeader, 0},
        {good + "3,\"unclosed\r\n", K::BadQuoting, 18},
        {good.left(good.size() - 4) + "\xC0,1\r\n", K::NotUtf8, 17},
        {QByteArray(good).replace("ptt_id", "ptt"), K::UnknownColumn, 1},
        {QByteArray(good).replace(",ptt_id", ""), K::MissingColumn, 1},
        {QByteArray(good).replace("\r\n4,", "\r\n4,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,"), K::TooManyFields, 5},
        {header, K::MissingChannel, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        const auto errors = importChannelCsv(state, c.text);
        ASSERT_FALSE(errors.empty());
        EXPECT_EQ(std::pair(errors.front().kind, errors.front().line), std::pair(c.kind, c.line));
    }
}

} // namespace
