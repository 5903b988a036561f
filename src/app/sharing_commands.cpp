#include "app/sharing_commands.h"

#include "app/main_window.h"
#include "app/prompt.h"
#include "files/channel_csv.h"
#include "files/number_file.h"
#include "files/programming_sheet.h"
#include "model/text.h"
#include "sheet/sheet_document.h"

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
void showImportedChannels(MDImain& frame)
{
    frame.closeWindow("Form_Chann_Edit");
    if (frame.child("frm_chann"))
        frame.openWindow("frm_chann");
}

void importChannels(MDImain& frame, AppState& state)
{
    const bool chinese = state.LanguageFlag;
    const QString path =
        QFileDialog::getOpenFileName(&frame, kImportTitle.in(chinese), QString(), kCsvFilter.in(chinese));
    if (path.isEmpty())
        return;
    const std::vector<CsvError> errors = loadChannelCsv(state, path);
    if (errors.empty()) {
        showImportedChannels(frame);
        showPrompt(&frame, kImported.in(chinese), chinese, PromptTitle::CompletionPrompt, PromptIcon::Information);
        return;
    }
    QStringList lines{kNothingImported.in(chinese)};
    for (size_t i = 0; i < errors.size() && i < kErrorsShown; ++i)
        lines << errors[i].message(chinese);
    if (errors.size() > kErrorsShown)
        lines << kMoreErrors.in(chinese).arg(errors.size() - kErrorsShown);
    showPrompt(&frame, lines.join('\n'), chinese);
}

// A name typed without a suffix gets the one of the chosen filter.
QString withSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + "." + suffix : path;
}

void reportSaved(MDImain& frame, const std::optional<FileError>& error, const QString& path, bool chinese)
{
    if (error)
        showPrompt(&frame, error->message(chinese), chinese);
    else
        showPrompt(&frame, kExported.in(chinese).arg(QDir::toNativeSeparators(path)), chinese,
                   PromptTitle::CompletionPrompt, PromptIcon::Information);
}

void exportChannels(MDImain& frame, const AppState& state)
{
    const bool chinese = state.LanguageFlag;
    QString path = QFileDialog::getSaveFileName(&frame, kExportTitle.in(chinese), "channels.csv", kCsvFilter.in(chinese));
    if (path.isEmpty())
        return;
    path = withSuffix(path, "csv");
    reportSaved(frame, saveChannelCsv(state.image, path, chinese), path, chinese);
}

void exportSheet(MDImain& frame, const AppState& state)
{
    const bool chinese = state.LanguageFlag;
    QString filter;
    QString path = QFileDialog::getSaveFileName(&frame, kSheetTitle.in(chinese), "sheet.pdf",
                                                kSheetFilters.in(chinese), &filter);
    if (path.isEmpty())
        return;
    path = withSuffix(path, filter.contains("html") ? "html" : "pdf");
    const QString html = programmingSheetHtml(state.image, state.CurrentModel, chinese);
    const bool pdf = !path.endsWith(".html", Qt::CaseInsensitive) && !path.endsWith(".htm", Qt::CaseInsensitive);
    const QByteArray content = pdf ? sheetPdf(html, QFileInfo(path).completeBaseName()) : html.toUtf8();
    reportSaved(frame, writeFileAtomically(path, content), path, chinese);
}

void printSheet(MDImain& frame, const AppState& state)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &frame);
    dialog.setObjectName("r5PrintDialog");
    if (dialog.exec() != QDialog::Accepted)
        return;
    paintSheet(programmingSheetHtml(state.image, state.CurrentModel, state.LanguageFlag), &printer);
}

} // namespace

void registerSharingCommands(MDImain& frame, AppState& state)
{
    frame.registerCommand("File_export_csv", [&frame, &state] { exportChannels(frame, state); });
    frame.registerCommand("File_import_csv", [&frame, &state] { importChannels(frame, state); });
    frame.registerCommand("File_export_sheet", [&frame, &state] { exportSheet(frame, state); });
    frame.registerCommand("File_print", [&frame, &state] { printSheet(frame, state); });
}

} // namespace r5
