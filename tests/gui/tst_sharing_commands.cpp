// The File menu's CSV, sheet and print commands: each bound to its core rule
// once (the rules' own cases are the core tests').
#include "files/channel_csv.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "model/channel_record.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

// Picks `path` in the next file dialog the program opens, again at every tick
// until the dialog has taken it (a busy machine may list the folder late).
void answerFileDialog(const QString& path)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (!dialog->property("answer").isValid()) {
            dialog->setProperty("answer", path);
            QObject::connect(dialog, &QDialog::finished, timer, [timer] {
                timer->stop();
                timer->deleteLater();
            });
        }
        if (dialog->property("answer").toString() != path)
            return;
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    timer->start(20);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SharingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportAnEditedTable();
    void aWrongTableChangesNothing();
    void sheetIsWrittenAsPdf();
};

void SharingCommandsTest::exportThenImportAnEditedTable()
{
    QTemporaryDir dir;
    TestProgram program({}, MainWindow::Options{Language::English, false});
    program.startUp();
    PromptCatcher prompts;
    const QString path = dir.filePath("list.csv");
    answerFileDialog(path);
    program.frame.menuItem("File_export_csv")->trigger();
    QCOMPARE(readAll(path), channelCsvText(program.state.image, Language::English));

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(channelCsvText(program.state.image, Language::English).replace("\r\n5,440.02500,440.02500,None,None,High",
                                                                  "\r\n5,440.02500,440.02500,None,None,Low"));
    file.close();
    answerFileDialog(path);
    program.frame.menuItem("File_import_csv")->trigger();
    QCOMPARE(channel::field(program.state.image, 5, channel::kHighPower), 0);
    // The grid shows the imported channels at once (line 5 is row 4).
    auto* grid = program.frame.child("frm_chann")->findChild<QTableWidget*>("MSF_chann");
    QCOMPARE(grid->item(4, 5)->text().trimmed(), QString("Low"));
    QCOMPARE(prompts.lastText(), QString("The 16 channels were imported."));
}

void SharingCommandsTest::aWrongTableChangesNothing()
{
    QTemporaryDir dir;
    TestProgram program({}, MainWindow::Options{Language::English, false});
    program.startUp();
    PromptCatcher prompts;
    const RadioImage before = program.state.image;
    QFile file(dir.filePath("bad.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(channelCsvText(before, Language::English).replace("\r\n5,440.02500", "\r\n5,140.02500"));
    file.close();
    answerFileDialog(file.fileName());
    program.frame.menuItem("File_import_csv")->trigger();
    QVERIFY(program.state.image == before);
    QVERIFY(prompts.lastText().contains("Line 6, column rx_mhz"));
}

void SharingCommandsTest::sheetIsWrittenAsPdf()
{
    QTemporaryDir dir;
    TestProgram program({}, MainWindow::Options{Language::Chinese, false});
    program.startUp();
    PromptCatcher prompts;
    const QString path = dir.filePath("sheet.pdf");
    answerFileDialog(path);
    program.frame.menuItem("File_export_sheet")->trigger();
    QVERIFY(readAll(path).startsWith("%PDF"));
    QVERIFY(program.frame.menuItem("File_print")->isVisible());
}

QTEST_MAIN(SharingCommandsTest)
#include "tst_sharing_commands.moc"
