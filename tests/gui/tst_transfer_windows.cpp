// The read and write windows: end to end against the virtual radio r5sim on a
// pseudo-terminal, and their failure paths on a line that never answers.
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/radio_helpers.h"
#include "files/channel_file.h"
#include "link/link_texts.h"
#include "model/defaults.h"
#include "windows/read_write_windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

constexpr int kTransferTimeoutMs = 20000;

QByteArray patternedMemory()
{
    QByteArray memory(RadioImage::kSize, 0);
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char((i * 7 + 3) & 0xFF);
    return memory;
}

QPushButton* button(ChildWindow* window, const char* name) { return window->findChild<QPushButton*>(name); }

// Opens the read or write window from the menu and records its progress values.
struct OpenedTransfer {
    QPointer<ChildWindow> window;
    std::shared_ptr<QList<int>> progress = std::make_shared<QList<int>>();
};

OpenedTransfer openTransfer(TestProgram& program, const char* command, const char* windowName)
{
    program.frame.menuItem(command)->trigger();
    OpenedTransfer opened{program.frame.child(windowName)};
    auto* bar = opened.window->findChild<QProgressBar*>("ProgressBar1");
    QObject::connect(bar, &QProgressBar::valueChanged, bar,
                     [progress = opened.progress](int value) { *progress << value; });
    return opened;
}

// Answers every question the program asks with Yes, keeping its text.
void sayYesToQuestions(QTimer& timer, QStringList& questions)
{
    QObject::connect(&timer, &QTimer::timeout, &timer, [&questions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->objectName() == "r5Question") {
            questions << box->text();
            box->button(QMessageBox::Yes)->click();
        }
    });
    timer.start(10);
}

} // namespace

class TransferWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readFromTheVirtualRadio();
    void writeToTheVirtualRadio();
    void failureAfterFourAttempts();
    void portThatCannotOpen();
    void writeWithBackupAndVerify();
    void failedVerifyRestoresTheBackup();
};

void TransferWindowTest::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("R5SIM"))
        QSKIP("R5SIM names no virtual radio");
}

void TransferWindowTest::readFromTheVirtualRadio()
{
    QTemporaryDir folder;
    const QByteArray memory = patternedMemory();
    SimRadio radio(folder.path(), memory, {"--fast"});
    QVERIFY(radio.up());
    TestProgram program({SystemPort{radio.link(), "", "", false, true}}, MainWindow::Options{Language::English, false},
                        TestProgram::Link::Real);
    program.startUp();
    QCOMPARE(program.frame.panelText(3), QString("COM1"));
    const RadioImage before = program.state.image;

    PromptCatcher prompts;
    OpenedTransfer read = openTransfer(program, "Prog_read", "Form_Comm_Read");
    button(read.window, "Command_read")->click();
    QVERIFY(qobject_cast<TransferWindow*>(read.window.data())->busy());
    // Cancel while the radio talks is refused, and nothing stops.
    button(read.window, "Command_Cancel")->click();
    QCOMPARE(prompts.lastText(), linktext::kBusyClose.in(Language::English));
    QVERIFY(read.window);
    QVERIFY(program.state.image == before);

    QTRY_VERIFY_WITH_TIMEOUT(prompts.prompts().size() == 2, kTransferTimeoutMs);
    QCOMPARE(prompts.lastText(), QString("Complete reading the data from transceiver."));
    QCOMPARE(*read.progress, (QList<int>{5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94, 100}));
    QCOMPARE(program.state.image.toBytes(), memory);
    // The window closes itself once the message was read.
    QTRY_VERIFY(!read.window);
}

void TransferWindowTest::writeToTheVirtualRadio()
{
    QTemporaryDir folder;
    const QByteArray memory = patternedMemory();
    SimRadio radio(folder.path(), memory);  // at the wire's pace
    QVERIFY(radio.up());
    TestProgram program({SystemPort{radio.link(), "", "", false, true}}, MainWindow::Options{Language::Chinese, false},
                        TestProgram::Link::Real);
    program.startUp();
    buildVhfChannels(program.state.image);
    const QByteArray image = program.state.image.toBytes();
    program.state.backupBeforeWrite = false;  // the bare write; the backup and verify have their own test
    program.state.verifyAfterWrite = false;

    PromptCatcher prompts;
    OpenedTransfer write = openTransfer(program, "Prog_write", "Form_Comm_Write");
    // Cancel when idle closes at once; open it again for the write.
    button(write.window, "Command_Cancel")->click();
    QTRY_VERIFY(!write.window);
    QVERIFY(prompts.empty());
    write = openTransfer(program, "Prog_write", "Form_Comm_Write");
    button(write.window, "Command_Write")->click();

    QTRY_VERIFY_WITH_TIMEOUT(!prompts.empty(), kTransferTimeoutMs);
    QCOMPARE(prompts.lastText(), QString("向对讲机写入数据完毕 ！"));
    QCOMPARE(prompts.prompts().last().title, QString("操作提示"));
    QCOMPARE(write.progress->size(), 48);  // rows 1 to 48
    QTRY_VERIFY(!write.window);

    const QByteArray stored = radio.stop();
    QCOMPARE(stored.left(49 * 16), image.left(49 * 16));
    QCOMPARE(stored.mid(49 * 16), memory.mid(49 * 16));  // rows 49 to 63 are never written
}

void TransferWindowTest::failureAfterFourAttempts()
{
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(2)});
    program.startUp();
    program.fakePorts.opened.clear();
    program.state.backupBeforeWrite = false;  // the write's own failure, not the backup read's
    PromptCatcher prompts;
    program.frame.menuItem("Prog_write")->trigger();
    QPointer<ChildWindow> window = program.frame.child("Form_Comm_Write");
    button(window, "Command_Write")->click();
    QCOMPARE(window->findChild<QLabel*>("Label_tr_count")->text(), linktext::kConnecting.in(Language::Chinese));
    program.clock.advance(60000);
    QTRY_COMPARE(prompts.prompts().size(), 1);
    QCOMPARE(prompts.lastText(), QString("与对讲机联络失败 ！\n对讲机没有确认任何数据块。"));
    QCOMPARE(program.fakePorts.opened.size(), 4);
    QCOMPARE(program.fakePorts.openPorts, 0);
    QCOMPARE(window->findChild<QProgressBar*>("ProgressBar1")->value(), 0);
    QCOMPARE(window->findChild<QLabel*>("Label_tr_count")->text(), QString("与对讲机通讯故障 ！"));
    // The window stays for another try; Cancel now closes it.
    QVERIFY(window);
    button(window, "Command_Cancel")->click();
    QTRY_VERIFY(!window);
    QCOMPARE(prompts.prompts().size(), 1);
}

void TransferWindowTest::portThatCannotOpen()
{
    TestProgram program(eightBuiltInPorts(), MainWindow::Options{Language::English, false});
    program.startUp();
    program.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));
    PromptCatcher prompts;
    program.frame.menuItem("Prog_read")->trigger();
    ChildWindow* window = program.frame.child("Form_Comm_Read");
    // Enter in the password box presses Read.
    QTest::keyClick(window->findChild<QLineEdit*>("Text_PassWord"), Qt::Key_Return);
    QTRY_COMPARE(prompts.prompts().size(), 1);
    QVERIFY(prompts.lastText().startsWith(linktext::kPortOpenError.in(Language::English)));
    QVERIFY(prompts.lastText().contains("/dev/ttyS0"));
    QVERIFY(program.state.portOpenFailed);
    program.clock.advance(60000);  // no time-out follows
    QTest::qWait(20);
    QCOMPARE(prompts.prompts().size(), 1);
    QVERIFY(!qobject_cast<TransferWindow*>(window)->busy());
}

// On by default: the radio is read first and kept as a channel file, the user
// sees what will change and confirms, and the radio is read back after.
void TransferWindowTest::writeWithBackupAndVerify()
{
    QTemporaryDir folder;
    const QByteArray memory = patternedMemory();
    SimRadio radio(folder.path(), memory, {"--fast"});
    QVERIFY(radio.up());
    TestProgram program({SystemPort{radio.link(), "", "", false, true}}, MainWindow::Options{Language::English, false},
                        TestProgram::Link::Real);
    program.startUp();
    program.state.backupFolder = folder.filePath("backups");
    PromptCatcher prompts;
    QStringList questions;
    QTimer answer;
    sayYesToQuestions(answer, questions);

    OpenedTransfer write = openTransfer(program, "Prog_write", "Form_Comm_Write");
    QVERIFY(write.window->findChild<QCheckBox*>("Check_Backup")->isChecked());
    QVERIFY(write.window->findChild<QCheckBox*>("Check_Verify")->isChecked());
    button(write.window, "Command_Write")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!prompts.empty(), kTransferTimeoutMs);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions[0].startsWith("What will change in the radio:\n"), qPrintable(questions[0]));
    QCOMPARE(prompts.lastText(),
             QString("Complete writing Data to the transceiver.\nVerified: the radio holds what was written."));

    const QStringList backups = QDir(folder.filePath("backups")).entryList({"r5-backup-*.chann"});
    QCOMPARE(backups.size(), 1);
    RadioImage kept;
    QVERIFY(!loadChannelFile(kept, folder.filePath("backups/" + backups[0])));
    const int backedUp = kChannelFileRows * RadioImage::kCellsPerRow;
    QCOMPARE(kept.toBytes().left(backedUp), memory.left(backedUp));
    const QByteArray stored = radio.stop();
    QCOMPARE(stored.left(49 * 16), program.state.image.toBytes().left(49 * 16));
}

// The radio stores one byte of the write wrong (its answers count the backup
// read's 18 first): the verify finds it, and the
// user's yes writes the backup back, so the radio holds what it held before.
void TransferWindowTest::failedVerifyRestoresTheBackup()
{
    QTemporaryDir folder;
    const QByteArray memory = patternedMemory();
    SimRadio radio(folder.path(), memory, {"--fast", "--fault", "corrupt-write:30"});
    QVERIFY(radio.up());
    TestProgram program({SystemPort{radio.link(), "", "", false, true}}, MainWindow::Options{Language::English, false},
                        TestProgram::Link::Real);
    program.startUp();
    buildVhfChannels(program.state.image);
    program.state.backupFolder = folder.filePath("backups");
    PromptCatcher prompts;
    QStringList questions;
    QTimer answer;
    sayYesToQuestions(answer, questions);

    OpenedTransfer write = openTransfer(program, "Prog_write", "Form_Comm_Write");
    button(write.window, "Command_Write")->click();
    QTRY_VERIFY_WITH_TIMEOUT(prompts.lastText() == "The backup was written back to the radio.", kTransferTimeoutMs);
    QCOMPARE(questions.size(), 2);  // what will change, then the restore
    QVERIFY2(questions[1].startsWith("The radio's data before the write is kept in"), qPrintable(questions[1]));
    QCOMPARE(radio.stop().left(49 * 16).toHex(' '), memory.left(49 * 16).toHex(' '));
}

QTEST_MAIN(TransferWindowTest)
#include "tst_transfer_windows.moc"
