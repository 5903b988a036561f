// Commands that work on files only: fresh images and listings.
#include "cli_command.h"
#include "cli_options.h"

#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "model/app_state.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/optional_features.h"

#include <algorithm>

namespace r5::cli {
namespace {

constexpr Language kEnglish = Language::English;

int runDefaults(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"model", "Radio model.", "MODEL", kModels[kStartModel].name});
    parser.addOption({"output", "Channel file to write.", "FILE"});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (!parser.isSet("output") || !parser.positionalArguments().isEmpty())
        return usageError("defaults needs --output FILE.chann and nothing else");
    const int model = modelIndex(parser.value("model"));
    if (model < 0)
        return usageError("unknown model '" + parser.value("model") + "' (Sable-VHF, Sable-UHF or Sable-FULL)");

    // As after start-up, then confirming the model in the model window.
    AppState state;
    state.selectModel(model);
    if (const auto error = saveChannelFile(state.image, parser.value("output")))
        return fail(error->message(kEnglish));
    return kExitOk;
}

int runAdjustDefaults(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOption({"output", "Adjustment file to write.", "FILE"});
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (!parser.isSet("output") || !parser.positionalArguments().isEmpty())
        return usageError("adjust-defaults needs --output FILE.adj and nothing else");
    if (const auto error = saveAdjustFile(defaultAdjustImage(), parser.value("output")))
        return fail(error->message(kEnglish));
    return kExitOk;
}

// Pads each column to its widest text so the listing reads as a table.
void printTable(const std::vector<QStringList>& lines)
{
    std::vector<qsizetype> widths;
    for (const QStringList& line : lines)
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (static_cast<qsizetype>(widths.size()) <= i)
                widths.push_back(0);
            widths[i] = std::max(widths[i], line[i].size());
        }
    for (const QStringList& line : lines) {
        QString text;
        for (qsizetype i = 0; i < line.size(); ++i)
            text += line[i].leftJustified(widths[i] + 2);
        printLine(text.trimmed());
    }
}

int runShow(const QStringList& arguments)
{
    QCommandLineParser parser;
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (parser.positionalArguments().size() != 1)
        return usageError("show needs exactly one FILE.chann");

    AppState state;
    if (const auto error = loadChannelFile(state.image, parser.positionalArguments().first()))
        return fail(error->message(kEnglish));

    std::vector<QStringList> lines;
    QStringList header;
    for (const QString& caption : grid::headerTexts(kEnglish))
        header << caption.trimmed();
    lines.push_back(header);
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        QStringList line{QString::number(n)};
        for (int column = grid::kReceiveColumn; column < grid::kColumnCount; ++column)
            line << grid::cellText(state.image, n, column, kEnglish).trimmed();
        lines.push_back(line);
    }
    printTable(lines);

    printLine("");
    printLine(options::kWindowTitle.in(kEnglish));
    // In the order the window shows them: the lists, then the check boxes.
    using namespace options;
    for (Item item : {kTimeOut, kSquelch, kVoice, kCurrentChannel, kVolume, kPowerState,
                      kKeypadLock, kBatterySave, kBeep})
        printLine("  " + caption(item).in(kEnglish) + ": " + shownText(state.image, item, kEnglish));
    return kExitOk;
}

} // namespace

std::vector<Command> offlineCommands()
{
    return {
        {"defaults", "[--model Sable-VHF|Sable-UHF|Sable-FULL] --output FILE.chann",
         "Write the image a fresh start holds for the model.", runDefaults},
        {"adjust-defaults", "--output FILE.adj", "Write the factory tuning block.", runAdjustDefaults},
        {"show", "FILE.chann", "List the channels and optional features of a channel file.", runShow},
    };
}

} // namespace r5::cli
