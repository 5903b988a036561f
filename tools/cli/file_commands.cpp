// Commands that share a programming outside the program: channel lists as CSV
// for spreadsheets, and the differences between two channel files.
#include "cli_command.h"
#include "cli_options.h"

#include "files/channel_csv.h"
#include "files/channel_file.h"
#include "files/programming_sheet.h"
#include "model/app_state.h"
#include "model/image_diff.h"
#include "sheet/sheet_document.h"

#include <QFileInfo>

namespace r5::cli {
namespace {

constexpr Language kEnglish = Language::English;

// --language zh|en: the texts of the grid in that language (English unless told).
std::optional<Language> languageFrom(const QCommandLineParser& parser)
{
    const QString language = parser.value("language");
    if (language == "en")
        return Language::English;
    if (language == "zh")
        return Language::Chinese;
    return std::nullopt;
}

int runExportCsv(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"language", "Texts of the table: en or zh.", "LANGUAGE", "en"});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (parser.positionalArguments().size() != 2)
        return usageError("export-csv needs FILE.chann OUT.csv");
    const auto language = languageFrom(parser);
    if (!language)
        return usageError("--language takes en or zh");

    AppState state;
    if (const auto error = loadChannelFile(state.image, parser.positionalArguments()[0]))
        return fail(error->message(kEnglish));
    if (const auto error = saveChannelCsv(state.image, parser.positionalArguments()[1], *language))
        return fail(error->message(kEnglish));
    return kExitOk;
}

int runImportCsv(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"model", "Radio model whose band the frequencies must lie in.", "MODEL",
                      kModels[kStartModel].name});
    parser.addOption({"output", "Channel file to write (the input file unless given).", "FILE"});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (parser.positionalArguments().size() != 2)
        return usageError("import-csv needs FILE.chann IN.csv");
    const int model = modelIndex(parser.value("model"));
    if (model < 0)
        return usageError("unknown model '" + parser.value("model") + "' (Sable-VHF, Sable-UHF or Sable-FULL)");

    const QString channelFile = parser.positionalArguments()[0];
    AppState state;
    state.language = kEnglish;
    // Only the band follows the model: the channels come from the file.
    state.currentModel = model;
    state.bandLow = kModels[model].bandLow;
    state.bandHigh = kModels[model].bandHigh;
    if (const auto error = loadChannelFile(state.image, channelFile))
        return fail(error->message(kEnglish));
    const std::vector<CsvError> errors = loadChannelCsv(state, parser.positionalArguments()[1]);
    if (!errors.empty()) {
        for (const CsvError& error : errors)
            fail(error.message(kEnglish));
        return fail(QString("nothing imported: %1 error(s)").arg(errors.size()));
    }
    const QString output = parser.isSet("output") ? parser.value("output") : channelFile;
    if (const auto error = saveChannelFile(state.image, output))
        return fail(error->message(kEnglish));
    return kExitOk;
}

int runDiff(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"language", "Texts of the listing: en or zh.", "LANGUAGE", "en"});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (parser.positionalArguments().size() != 2)
        return usageError("diff needs A.chann B.chann");
    const auto language = languageFrom(parser);
    if (!language)
        return usageError("--language takes en or zh");

    // As diff(1): 0 equal, 1 different, 2 when a file cannot be compared.
    RadioImage images[2];
    for (int i = 0; i < 2; ++i)
        if (const auto error = loadChannelFile(images[i], parser.positionalArguments()[i])) {
            fail(error->message(*language));
            return kExitUsage;
        }
    const std::vector<Difference> differences = imageDifferences(images[0], images[1], *language);
    auto shown = [](const QString& text) { return text.isEmpty() ? QString("-") : text; };
    for (const Difference& d : differences)
        printLine(d.place + ": " + d.name + ": " + shown(d.before) + " -> " + shown(d.after));
    return differences.empty() ? kExitOk : kExitFailure;
}

int runSheet(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"language", "Texts of the sheet: en or zh.", "LANGUAGE", "en"});
    parser.addOption({"model", "Radio model the sheet names.", "MODEL", kModels[kStartModel].name});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    const QStringList files = parser.positionalArguments();
    const bool html = files.size() == 2 && files[1].endsWith(".html", Qt::CaseInsensitive);
    if (files.size() != 2 || (!html && !files[1].endsWith(".pdf", Qt::CaseInsensitive)))
        return usageError("sheet needs FILE.chann OUT.pdf or OUT.html");
    const auto language = languageFrom(parser);
    if (!language)
        return usageError("--language takes en or zh");
    const int model = modelIndex(parser.value("model"));
    if (model < 0)
        return usageError("unknown model '" + parser.value("model") + "' (Sable-VHF, Sable-UHF or Sable-FULL)");

    RadioImage image;
    if (const auto error = loadChannelFile(image, files[0]))
        return fail(error->message(kEnglish));
    const QString sheet = programmingSheetHtml(image, model, *language);
    const QByteArray content = html ? sheet.toUtf8() : sheetPdf(sheet, QFileInfo(files[0]).fileName());
    if (const auto error = writeFileAtomically(files[1], content))
        return fail(error->message(kEnglish));
    return kExitOk;
}

} // namespace

std::vector<Command> fileCommands()
{
    return {
        {"export-csv", "FILE.chann OUT.csv [--language en|zh]",
         "Write the 16 channels as a CSV table, with the texts the channel grid shows.", runExportCsv},
        {"import-csv", "FILE.chann IN.csv [--output OUT.chann] [--model MODEL]",
         "Take the channels from a CSV table into a channel file; nothing changes if any line is wrong.",
         runImportCsv},
        {"diff", "A.chann B.chann [--language en|zh]",
         "List every field that differs, with both values (exit 0 equal, 1 different, 2 bad file).", runDiff},
        {"sheet", "FILE.chann OUT.pdf|OUT.html [--model MODEL] [--language en|zh]",
         "Write a printable sheet: model and band, the channels, every radio-wide setting.", runSheet},
    };
}

} // namespace r5::cli
