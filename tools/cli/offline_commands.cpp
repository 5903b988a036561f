// Commands that work on files only: fresh images and listings.
#include "cli_command.h"
#include "cli_options.h"

#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "model/app_state.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/embedded_message.h"
#include "model/key_assignment.h"
#include "model/optional_features.h"
#include "model/scan_info.h"
#include "model/test_frequencies.h"

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
    if (const auto code = refuseWrongSuffix("defaults", parser.value("output"), FileKind::Channel))
        return *code;

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
    if (const auto code = refuseWrongSuffix("adjust-defaults", parser.value("output"), FileKind::Tuning))
        return *code;
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

// The other radio-wide settings, each under its window's title and captions.
void showRadioSettings(const RadioImage& image)
{
    printLine("");
    printLine(keys::kWindowTitle.in(kEnglish));
    for (keys::Key key : {keys::kPf1, keys::kPf2})
        printLine("  " + keys::keyLabel(key) + ": " + keys::shownText(image, key, kEnglish));

    printLine("");
    printLine(scan::kWindowTitle.in(kEnglish));
    for (int i = 0; i < scan::kItemCount; ++i) {
        const auto item = static_cast<scan::Item>(i);
        printLine("  " + scan::caption(item).in(kEnglish) + ": " + scan::shownText(image, item, kEnglish));
        if (item == scan::kModeItem)
            printLine("  " + scan::kPriorityChannelCaption.in(kEnglish) + ": " + scan::priorityChannelText(image));
    }

    printLine("");
    printLine(testfreq::kWindowTitle.in(kEnglish));
    std::vector<QStringList> lines;
    QStringList header;
    for (const QString& caption : testfreq::headerTexts(kEnglish))
        header << caption.trimmed();
    lines.push_back(header);
    const testfreq::TestLines shown = testfreq::readTestLines(image);
    for (int n = 1; n <= testfreq::kCount; ++n)
        lines.push_back({QString::number(n), shown[size_t(n - 1)].receive, shown[size_t(n - 1)].transmit});
    printTable(lines);

    printLine("");
    printLine(message::kWindowTitle.in(kEnglish));
    for (int line = 1; line <= message::kLineCount; ++line)
        printLine(QString("  %1: %2").arg(line).arg(message::shownLine(image, line)));
}

int runShow(const QStringList& arguments)
{
    QCommandLineParser parser;
    const ParsedOptions parsed = parseOptions(parser, arguments);
    if (!parsed.ok)
        return usageError(parsed.error);
    if (parser.positionalArguments().size() != 1)
        return usageError("show needs exactly one FILE.chann");
    if (const auto code = refuseWrongSuffix("show", parser.positionalArguments().first(), FileKind::Channel))
        return *code;

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
    showRadioSettings(state.image);
    return kExitOk;
}

} // namespace

std::vector<Command> offlineCommands()
{
    return {
        {"defaults", "[--model Sable-VHF|Sable-UHF|Sable-FULL] --output FILE.chann",
         "Write the image a fresh start holds for the model.", runDefaults},
        {"adjust-defaults", "--output FILE.adj", "Write the factory tuning block.", runAdjustDefaults},
        {"show", "FILE.chann", "List the channels and radio-wide settings of a channel file.", runShow},
    };
}

} // namespace r5::cli
