// The channel file pickers: the name checks through the window, the composed
// path, a save and load round trip and the reports of bad files.
#include "files/number_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "model/defaults.h"
#include "gui/widget_helpers.h"
#include "windows/channel_file_windows.h"

using namespace r5;
using namespace r5::test;

namespace {

FilePickerWindow* openPicker(TestProgram& program, const char* command, const QString& directory)
{
    program.frame.menuItem(command)->trigger();
    auto* picker = qobject_cast<FilePickerWindow*>(
        program.frame.child(QString(command) == "File_Open" ? "Form_open_chann" : "Form_save_chann"));
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
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // One row per picker: each refuses a name with its own message and stays
    // open with it; a bad file is named and Cancel reads nothing.
    void refusalsKeepThePickerOpen()
    {
        TestProgram program;
        program.startUp();
        program.state.currentFilePath = "untouched";
        PromptCatcher prompts;
        for (const auto& [command, typed, message] : {std::tuple{"File_save", "*.chann", "保存信道参数所需要的文件名无效 "},
                                                      {"File_Open", "a.Chann", "无效的信道参数文件后缀名！"}}) {
            prompts.clear();
            FilePickerWindow* picker = openPicker(program, command, dir_->path());
            confirmName(picker, typed);
            QCOMPARE(prompts.prompts().size(), 1);
            QCOMPARE(prompts.lastText(), QString(message));
            QVERIFY(program.frame.child(picker->objectName()));
            QCOMPARE(picker->findChild<QLineEdit*>("Text1")->text(), QString(typed));
        }
        QCOMPARE(program.state.currentFilePath, QString("untouched"));
        QVERIFY(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

        // A file that holds something other than a number is named in the message.
        QVERIFY(!writeFileAtomically(dir_->filePath("bad.chann"), " 1  x  3 \r\n"));
        prompts.clear();
        confirmName(openPicker(program, "File_Open", dir_->path()), "bad.chann");
        QCOMPARE(prompts.prompts().size(), 1);
        QVERIFY2(prompts.lastText().contains("x"), qPrintable(prompts.lastText()));
        QVERIFY(program.frame.child("Form_open_chann"));  // the user may pick another file
        // Cancel with a name that would pass reads nothing and says nothing.
        prompts.clear();
        FilePickerWindow* picker = openPicker(program, "File_Open", dir_->path());
        picker->findChild<QLineEdit*>("Text1")->setText("bad.chann");
        picker->findChild<QPushButton*>("Command_close")->click();
        QTRY_VERIFY(!program.frame.child("Form_open_chann"));
        QVERIFY(prompts.empty());
    }

    // Enter in the name box saves, once; Enter on a file reached with the
    // arrow keys loads it, with all the file holds. The list shows channel files only.
    void saveAndLoadByEnter()
    {
        QVERIFY(!writeFileAtomically(dir_->filePath("three.txt"), ""));
        TestProgram program({}, MainWindow::Options{Language::English, false});
        program.startUp();
        program.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        PromptCatcher prompts;
        program.state.image.setCell(5, 3, 0x42);
        const RadioImage saved = program.state.image;
        auto* name = child<QLineEdit>(openPicker(program, "File_save", dir_->path()), "Text1");
        name->setText("typed.chann");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(prompts.prompts().size(), 1);
        QCOMPARE(prompts.lastText(), QString("Complete storing channel parameter."));
        QTRY_VERIFY(!program.frame.child("Form_save_chann"));

        program.state.image = startUpImage(1);
        auto* list = child<QListView>(openPicker(program, "File_Open", dir_->path()), "File1");
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 1);
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(prompts.prompts().size(), 2);
        QCOMPARE(prompts.lastText(), QString("Succeed fold the channel parameter from file."));
        QCOMPARE(program.state.currentFilePath, dir_->path() + "/typed.chann");
        QVERIFY(program.state.image == saved);
        QTRY_VERIFY(!program.frame.child("Form_open_chann"));

        list = child<QListView>(openPicker(program, "File_Open", dir_->path()), "File1");  // a click fills the name
        QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 1);
        emit list->clicked(list->model()->index(0, 0, list->rootIndex()));
        QCOMPARE(child<QLineEdit>(program.frame.child("Form_open_chann"), "Text1")->text(), QString("typed.chann"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(FilePickerTest)
#include "tst_file_pickers.moc"
