// The channel file pickers: the name checks through the window, the composed
// path, a save and load round trip and the reports of bad files.
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "model/defaults.h"
#include "windows/channel_file_windows.h"

#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

const QString kSaved = "信道参数保存完毕 ！";
const QString kLoaded = "信道参数从文件调入成功 ！";

FilePickerWindow* openPicker(TestProgram& program, const char* command, const QString& directory)
{
    program.frame.menuItem(command)->trigger();
    auto* picker = qobject_cast<FilePickerWindow*>(
        program.frame.child(QString(command) == "File_Open" ? "Form_open_chann" : "Form_save_chann"));
    if (!picker)
        qFatal("no picker for %s", command);
    picker->setDirectory(directory);
    return picker;
}

void confirmName(FilePickerWindow* picker, const QString& name)
{
    picker->findChild<QLineEdit*>("Text1")->setText(name);
    picker->findChild<QPushButton*>("Command_enter")->click();
}

} // namespace

class FilePickerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void nameChecks_data();
    void nameChecks();
    void saveAndLoadRoundTrip();
    void badFilesAndCancelLeaveTheImage();
    void fileListShowsMatchingFilesAndFillsTheName();
    void enterConfirmsOnce();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void FilePickerTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void FilePickerTest::nameChecks_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("file");  // the file written, empty for none
    QTest::newRow("spaces trimmed") << "File_save" << "  a.chann  " << kSaved << "a.chann";
    QTest::newRow("save, bad name") << "File_save" << "*.chann" << "保存信道参数所需要的文件名无效 " << "";
    QTest::newRow("open, bad suffix") << "File_Open" << "a.Chann" << "无效的信道参数文件后缀名！" << "";
}

void FilePickerTest::nameChecks()
{
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, file);
    TestProgram program;
    program.startUp();
    program.state.currentFilePath = "untouched";
    PromptCatcher prompts;
    FilePickerWindow* picker = openPicker(program, qPrintable(command), dir_->path());
    confirmName(picker, typed);
    QCOMPARE(prompts.prompts().size(), 1);
    QCOMPARE(prompts.lastText(), message);
    QCOMPARE(prompts.prompts().first().title, QString("操作提示"));
    if (file.isEmpty()) {
        QCOMPARE(program.state.currentFilePath, QString("untouched"));
        QVERIFY(program.frame.child(picker->objectName()));  // stays open with the text
        QCOMPARE(picker->findChild<QLineEdit*>("Text1")->text(), typed);
        QVERIFY(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    } else {
        QCOMPARE(program.state.currentFilePath, dir_->path() + "/" + file);
        QVERIFY(QFile::exists(dir_->path() + "/" + file));
        QTRY_VERIFY(!program.frame.child(picker->objectName()));
    }
}

void FilePickerTest::saveAndLoadRoundTrip()
{
    TestProgram program({}, MainWindow::Options{Language::English, false});
    program.startUp();
    PromptCatcher prompts;
    program.state.image.setCell(5, 3, 0x42);
    program.state.image.setExtra(7, 20, -12);
    const RadioImage saved = program.state.image;
    confirmName(openPicker(program, "File_save", dir_->path()), "radio.chann");
    QCOMPARE(prompts.lastText(), QString("Complete storing channel parameter."));
    QCOMPARE(prompts.prompts().last().title, QString("Operate prompt"));

    program.state.image.setCell(5, 3, 0);
    program.state.image.setExtra(7, 20, 0);
    confirmName(openPicker(program, "File_Open", dir_->path()), "radio.chann");
    QCOMPARE(prompts.lastText(), QString("Succeed fold the channel parameter from file."));
    QVERIFY(program.state.image == saved);
    QTRY_VERIFY(!program.frame.child("Form_open_chann"));
}

void FilePickerTest::badFilesAndCancelLeaveTheImage()
{
    TestProgram program;
    program.startUp();
    PromptCatcher prompts;
    const RadioImage before = program.state.image;
    // No file at all, then one that holds something other than a number.
    for (const auto& [content, reportContains] : {std::pair{QByteArray(), "无法打开文件"},
                                                  std::pair{QByteArray(" 1  x  3 \r\n"), "x"}}) {
        if (!content.isEmpty()) {
            QFile file(dir_->path() + "/bad.chann");
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        prompts.clear();
        confirmName(openPicker(program, "File_Open", dir_->path()), "bad.chann");
        QCOMPARE(prompts.prompts().size(), 1);
        QVERIFY2(prompts.lastText().contains(reportContains), qPrintable(prompts.lastText()));
        QCOMPARE(prompts.prompts().first().icon, QMessageBox::Warning);
        QVERIFY(program.state.image == before);
        QVERIFY(program.frame.child("Form_open_chann"));  // the user may pick another file
    }
    // Cancel with a name that would pass reads nothing and says nothing.
    prompts.clear();
    program.state.currentFilePath = "untouched";
    FilePickerWindow* picker = openPicker(program, "File_Open", dir_->path());
    picker->findChild<QLineEdit*>("Text1")->setText("bad.chann");
    picker->findChild<QPushButton*>("Command_close")->click();
    QTRY_VERIFY(!program.frame.child("Form_open_chann"));
    QCOMPARE(program.state.currentFilePath, QString("untouched"));
    QVERIFY(program.state.image == before);
    QVERIFY(prompts.empty());
}

void FilePickerTest::fileListShowsMatchingFilesAndFillsTheName()
{
    for (const char* name : {"one.chann", "TWO.CHANN", "three.txt", "four.Chann"}) {
        QFile file(dir_->path() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    TestProgram program;
    program.startUp();
    FilePickerWindow* picker = openPicker(program, "File_Open", dir_->path());
    QCOMPARE(picker->findChild<QLineEdit*>("Text1")->text(), QString("*.chann"));
    auto* list = picker->findChild<QListView*>("File1");
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
    QStringList names;
    QModelIndex one;
    for (int row = 0; row < 2; ++row) {
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        if (names.last() == "one.chann")
            one = list->model()->index(row, 0, list->rootIndex());
    }
    names.sort();
    QCOMPARE(names, QStringList({"TWO.CHANN", "one.chann"}));
    emit list->clicked(one);
    QCOMPARE(picker->findChild<QLineEdit*>("Text1")->text(), QString("one.chann"));
}

void FilePickerTest::enterConfirmsOnce()
{
    TestProgram program;
    program.startUp();
    program.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));
    PromptCatcher prompts;
    // Enter in the name box confirms, once.
    FilePickerWindow* save = openPicker(program, "File_save", dir_->path());
    auto* name = save->findChild<QLineEdit*>("Text1");
    name->setText("typed.chann");
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(prompts.prompts().size(), 1);
    QCOMPARE(prompts.lastText(), kSaved);
    QTRY_VERIFY(!program.frame.child("Form_save_chann"));

    // Enter on a file reached with the arrow keys loads that file.
    program.state.image.setCell(1, 0, 0x12);
    FilePickerWindow* open = openPicker(program, "File_Open", dir_->path());
    auto* list = open->findChild<QListView*>("File1");
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 1);
    list->setFocus();
    list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(prompts.prompts().size(), 2);
    QCOMPARE(prompts.lastText(), kLoaded);
    QCOMPARE(program.state.currentFilePath, dir_->path() + "/typed.chann");
    QCOMPARE(program.state.image.cell(1, 0), startUpImage(1).cell(1, 0));
}

QTEST_MAIN(FilePickerTest)
#include "tst_file_pickers.moc"
