#include "app/sharing_commands.h"

#include "app/main_window.h"
#include "files/channel_csv.h"
#include "files/number_file.h"
#include "files/programming_sheet.h"
#include "model/text.h"
#include "sheet/sheet_document.h"
#include "ui/prompt.h"
#include "model/window_names.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace r5 {
namespace {

constexpr Text kExportTitle{"导出信道", "Export channels"};
constexpr Text kImportTitle{"导入信道", "Import channels"};
constexpr Text kSheetTitle{"导出编程表", "Export sheet"};
constexpr Text kCsvFilter{"CSV 表格 (*.csv)", "CSV tables (*.csv)"};
constexpr Text kSheetFilters{"PDF (*.pdf);;HTML (*.html)", "PDF (*.pdf);;HTML (*.html)"};
constexpr Text kImported{"已导入 16 个信道。", "The 16 channels were imported."};
constexpr Text kNothingImported{"没有导入任何内容：", "Nothing was imported:"};
constexpr Text kMoreErrors{"……另有 %1 处错误。", "... and %1 more."};
constexpr Text kExported{"已保存：%1", "Saved: %1"};

// A list longer than this would not fit a message box; the first ones lead
// the user to the fault.
constexpr size_t kErrorsShown = 12;

// The windows that show channels draw from the image again.
void showImportedChannels(MainWindow& frame)
{
    frame.closeWindow(window::kChannelDetail);
    if (frame.child(window::kChannelGrid))
        frame.openWindow(window::kChannelGrid);
}

void importChannels(MainWindow& frame, AppState& state, const FileChooser& choose)
{
    const Language language = state.language;
    const QString path = choose(&frame, {false, kImportTitle.in(language), QString(), kCsvFilter.in(language)});
    if (path.isEmpty())
        return;
    const std::vector<CsvError> errors = loadChannelCsv(state, path);
    if (errors.empty()) {
        showImportedChannels(frame);
        showPrompt(&frame, kImported.in(language), language, PromptTitle::CompletionPrompt, PromptIcon::Information);
        return;
    }
    QStringList lines{kNothingImported.in(language)};
    for (size_t i = 0; i < errors.size() && i < kErrorsShown; ++i)
        lines << errors[i].message(language);
    if (errors.size() > kErrorsShown)
        lines << kMoreErrors.in(language).arg(errors.size() - kErrorsShown);
    showPrompt(&frame, lines.join('\n'), language);
}

// A name typed without a suffix gets the one of the chosen filter.
QString withSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + "." + suffix : path;
}

void reportSaved(MainWindow& frame, const std::optional<FileError>& error, const QString& path, Language language)
{
    if (error)
        showPrompt(&frame, error->message(language), language);
    else
        showPrompt(&frame, kExported.in(language).arg(QDir::toNativeSeparators(path)), language,
                   PromptTitle::CompletionPrompt, PromptIcon::Information);
}

void exportChannels(MainWindow& frame, const AppState& state, const FileChooser& choose)
{
    const Language language = state.language;
    QString path = choose(&frame, {true, kExportTitle.in(language), "channels.csv", kCsvFilter.in(language)});
    if (path.isEmpty())
        return;
    path = withSuffix(path, "csv");
    reportSaved(frame, saveChannelCsv(state.image, path, language), path, language);
}

void exportSheet(MainWindow& frame, const AppState& state, const FileChooser& choose)
{
    const Language language = state.language;
    QString filter;
    QString path = choose(&frame, {true, kSheetTitle.in(language), "sheet.pdf", kSheetFilters.in(language), &filter});
    if (path.isEmpty())
        return;
    path = withSuffix(path, filter.contains("html") ? "html" : "pdf");
    const QString html = programmingSheetHtml(state.image, state.currentModel, language);
    const bool pdf = !path.endsWith(".html", Qt::CaseInsensitive) && !path.endsWith(".htm", Qt::CaseInsensitive);
    const QByteArray content = pdf ? sheetPdf(html, QFileInfo(path).completeBaseName()) : html.toUtf8();
    reportSaved(frame, writeFileAtomically(path, content), path, language);
}

void printSheet(MainWindow& frame, const AppState& state)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &frame);
    dialog.setObjectName("r5PrintDialog");
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintSheet(programmingSheetHtml(state.image, state.currentModel, state.language), &printer);
}

} // namespace

QString askWithFileDialog(QWidget* parent, const FileQuestion& question)
{
    return question.save
        ? QFileDialog::getSaveFileName(parent, question.title, question.suggestedName, question.filters,
                                       question.chosenFilter)
        : QFileDialog::getOpenFileName(parent, question.title, question.suggestedName, question.filters);
}

void registerSharingCommands(MainWindow& frame, AppState& state, FileChooser choose)
{
    frame.registerCommand(command::kExportChannels, [&frame, &state, choose] { exportChannels(frame, state, choose); });
    frame.registerCommand(command::kImportChannels, [&frame, &state, choose] { importChannels(frame, state, choose); });
    frame.registerCommand(command::kExportSheet, [&frame, &state, choose] { exportSheet(frame, state, choose); });
    frame.registerCommand(command::kPrint, [&frame, &state] { printSheet(frame, state); });
}

} // namespace r5
