// The File menu's CSV and sheet commands: each bound to its core rule once
// (the rules' own cases are the core tests'). The file the user would pick is
// handed over in place of the file dialog.
#include "app/sharing_commands.h"
#include "files/channel_csv.h"
#include "files/number_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"

using namespace r5;
using namespace r5::test;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& content) { QVERIFY(!writeFileAtomically(path, content)); }

} // namespace

class SharingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportAnEditedTable()
    {
        const QString path = dir_.filePath("list.csv");
        start(Language::English, path);
        PromptCatcher prompts;
        program_->frame.menuItem("File_export_csv")->trigger();
        const QByteArray table = channelCsvText(program_->state.image, Language::English);
        QCOMPARE(readAll(path), table);

        // A wrong table is refused with its faults listed.
        writeAll(path, QByteArray(table).replace("\r\n5,440.02500", "\r\n5,140.02500"));
        program_->frame.menuItem("File_import_csv")->trigger();
        QVERIFY(prompts.lastText().contains("Line 6, column rx_mhz"));

        writeAll(path, QByteArray(table).replace("\r\n5,440.02500,440.02500,None,None,High", "\r\n5,440.02500,440.02500,None,None,Low"));
        program_->frame.menuItem("File_import_csv")->trigger();
        // The grid shows the imported channels at once (line 5 is row 4).
        auto* grid = program_->frame.child("frm_chann")->findChild<QTableWidget*>("MSF_chann");
        QCOMPARE(grid->item(4, 5)->text().trimmed(), QString("Low"));
        QCOMPARE(prompts.lastText(), QString("The 16 channels were imported."));
    }

    void sheetIsWrittenAsPdf()
    {
        const QString path = dir_.filePath("sheet.pdf");
        start(Language::Chinese, path);
        PromptCatcher prompts;
        program_->frame.menuItem("File_export_sheet")->trigger();
        QVERIFY(readAll(path).startsWith("%PDF"));
    }

private:
    // A program whose file questions are all answered with `path`.
    void start(Language language, const QString& path)
    {
        program_ = std::make_unique<TestProgram>(QList<SystemPort>{}, MainWindow::Options{language, false});
        program_->startUp();
        registerSharingCommands(program_->frame, program_->state,
                                [path](QWidget*, const FileQuestion&) { return path; });
    }

    std::unique_ptr<TestProgram> program_;
    QTemporaryDir dir_;
};

QTEST_MAIN(SharingCommandsTest)
#include "tst_sharing_commands.moc"
