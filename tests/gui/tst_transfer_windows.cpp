// The read and write windows against the radio's side in process on the
// virtual clock, and the failure paths on a line that never answers.
#include "files/channel_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "link/link_texts.h"
#include "model/defaults.h"
#include "virtual_radio.h"
#include "windows/read_write_windows.h"

using namespace r5;
using namespace r5::test;

namespace {

constexpr int kWrittenBytes = 49 * 16;  // rows 0 to 48; the rest of the memory is never written

QByteArray patternedMemory()
{
    QByteArray memory(RadioImage::kSize, 0);
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char((i * 7 + 3) & 0xFF);
    return memory;
}

QPushButton* button(ChildWindow* window, const char* name) { return child<QPushButton>(window, name); }

// The program in English with the radio's side (holding the patterned memory,
// with `fault`) behind COM1; it keeps its backups in a folder of its own and
// hears Yes to every question the write window asks.
struct RadioProgram : TestProgram {
    explicit RadioProgram(const char* fault = "")
        : TestProgram(eightBuiltInPorts(), MainWindow::Options{Language::English, false}, Link::Fake, {builtInDevice(1)})
    {
        radio.setMemory(patternedMemory());
        if (*fault)
            radio.setFault(*sim::parseFault(fault));
        fakePorts.radio = [this](const QByteArray& command) { return radio.answer(command).bytes; };
        startUp();
        state.backupFolder = folder.filePath("backups");
        QObject::connect(&answer, &QTimer::timeout, &answer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->objectName() == "r5Question") {
                questions << box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        answer.start(10);
    }

    // The write's steps follow one another through queued signals and modal
    // questions, so the clock and the event loop take turns.
    bool runUntil(const std::function<bool()>& done)
    {
        for (int i = 0; i < 600 && !done(); ++i) {
            clock.advance(100);
            QCoreApplication::processEvents();
        }
        return done();
    }

    ChildWindow* open(const char* command, const char* window)
    {
        frame.menuItem(command)->trigger();
        return frame.child(window);
    }

    sim::VirtualRadio radio;
    QTemporaryDir folder;
    QStringList questions;
    QTimer answer;
};

} // namespace

class TransferWindowTest : public QObject {
    Q_OBJECT
private slots:
    void readFromTheRadio()
    {
        RadioProgram program;
        PromptCatcher prompts;
        QPointer<ChildWindow> read = program.open("Prog_read", "Form_Comm_Read");
        QList<int> progress;
        QObject::connect(child<QProgressBar>(read, "ProgressBar1"), &QProgressBar::valueChanged,
                         [&progress](int value) { progress << value; });
        button(read, "Command_read")->click();
        // Cancel while the radio talks is refused, and nothing stops.
        button(read, "Command_Cancel")->click();
        QCOMPARE(prompts.lastText(), linktext::kBusyClose.in(Language::English));
        QVERIFY(read);

        program.clock.advance(60000);
        QTRY_COMPARE(prompts.lastText(), QString("Complete reading the data from transceiver."));
        QCOMPARE(progress, (QList<int>{5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94, 100}));
        QCOMPARE(program.state.image.toBytes(), patternedMemory());
        QTRY_VERIFY(!read);  // the window closes itself once the message was read
    }

    // A silent line: the write window says so and stays for another try. A
    // port that cannot open: one message, no time-out after it.
    void failurePaths()
    {
        TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(2)});
        program.startUp();
        program.frame.show();  // Enter reaches a shown window only
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        program.state.backupBeforeWrite = false;  // the write's own failure, not the backup read's
        PromptCatcher prompts;
        program.frame.menuItem("Prog_write")->trigger();
        QPointer<ChildWindow> window = program.frame.child("Form_Comm_Write");
        button(window, "Command_Write")->click();
        program.clock.advance(60000);
        QTRY_COMPARE(prompts.prompts().size(), 1);
        QCOMPARE(prompts.lastText(), QString("与对讲机联络失败 ！\n对讲机没有确认任何数据块。"));
        QCOMPARE(child<QLabel>(window, "Label_tr_count")->text(), QString("与对讲机通讯故障 ！"));
        button(window, "Command_Cancel")->click();
        QTRY_VERIFY(!window);

        program.state.comPort = 1;  // nothing opens behind COM1
        program.frame.menuItem("Prog_read")->trigger();
        ChildWindow* read = program.frame.child("Form_Comm_Read");
        QTest::keyClick(child<QLineEdit>(read, "Text_PassWord"), Qt::Key_Return);  // Enter presses Read
        QTRY_COMPARE(prompts.prompts().size(), 2);
        QVERIFY(prompts.lastText().startsWith(linktext::kPortOpenError.in(Language::Chinese)));
        QVERIFY(prompts.lastText().contains("/dev/ttyS0"));
        QVERIFY(program.state.portOpenFailed);
        program.clock.advance(60000);
        QTest::qWait(20);
        QCOMPARE(prompts.prompts().size(), 2);
        QVERIFY(!qobject_cast<TransferWindow*>(read)->busy());
    }

    // On by default: the radio is read first and kept as a channel file, the
    // user sees what will change and confirms, and the radio is read back after.
    void writeWithBackupAndVerify()
    {
        RadioProgram program;
        buildVhfChannels(program.state.image);
        PromptCatcher prompts;
        button(program.open("Prog_write", "Form_Comm_Write"), "Command_Write")->click();
        QVERIFY(program.runUntil([&] { return !prompts.empty(); }));
        QCOMPARE(program.questions.size(), 1);
        QVERIFY2(program.questions[0].startsWith("What will change in the radio:\n"), qPrintable(program.questions[0]));
        QCOMPARE(prompts.lastText(),
                 QString("Complete writing Data to the transceiver.\nVerified: the radio holds what was written."));

        const QStringList backups = QDir(program.folder.filePath("backups")).entryList({"r5-backup-*.chann"});
        QCOMPARE(backups.size(), 1);
        RadioImage kept;
        QVERIFY(!loadChannelFile(kept, program.folder.filePath("backups/" + backups[0])));
        const int backedUp = kChannelFileRows * RadioImage::kCellsPerRow;
        QCOMPARE(kept.toBytes().left(backedUp), patternedMemory().left(backedUp));
        QCOMPARE(program.radio.memory().left(kWrittenBytes), program.state.image.toBytes().left(kWrittenBytes));
    }

    // The radio stores one byte of the write wrong (its answers count the
    // backup read's 18 first): the verify finds it, and the user's yes writes
    // the backup back, so the radio holds what it held before.
    void failedVerifyRestoresTheBackup()
    {
        RadioProgram program("corrupt-write:30");
        buildVhfChannels(program.state.image);
        PromptCatcher prompts;
        button(program.open("Prog_write", "Form_Comm_Write"), "Command_Write")->click();
        QVERIFY(program.runUntil([&] { return prompts.lastText() == "The backup was written back to the radio."; }));
        QCOMPARE(program.questions.size(), 2);  // what will change, then the restore
        QVERIFY2(program.questions[1].startsWith("The radio's data before the write is kept in"),
                 qPrintable(program.questions[1]));
        QCOMPARE(program.radio.memory().left(kWrittenBytes).toHex(' '), patternedMemory().left(kWrittenBytes).toHex(' '));
    }
};

QTEST_MAIN(TransferWindowTest)
#include "tst_transfer_windows.moc"
