// The read and write windows: a read on the virtual clock against the radio's
// side in process, writes end to end against the virtual radio r5sim on a
// pseudo-terminal, and the failure paths on a line that never answers.
#include "files/channel_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/radio_helpers.h"
#include "gui/widget_helpers.h"
#include "link/link_texts.h"
#include "model/defaults.h"
#include "virtual_radio.h"
#include "windows/read_write_windows.h"

using namespace r5;
using namespace r5::test;

namespace {

constexpr int kTransferTimeoutMs = 60000;  // a bound for a stuck exchange, not a speed goal
constexpr int kWrittenBytes = 49 * 16;  // rows 0 to 48; the rest of the memory is never written

QByteArray patternedMemory()
{
    QByteArray memory(RadioImage::kSize, 0);
    for (int i = 0; i < memory.size(); ++i)
        memory[i] = char((i * 7 + 3) & 0xFF);
    return memory;
}

QPushButton* button(ChildWindow* window, const char* name) { return child<QPushButton>(window, name); }

// Opens the read or write window from the menu and records its progress values.
struct OpenedTransfer {
    QPointer<ChildWindow> window;
    std::shared_ptr<QList<int>> progress = std::make_shared<QList<int>>();
};

OpenedTransfer openTransfer(TestProgram& program, const char* command, const char* windowName)
{
    program.frame.menuItem(command)->trigger();
    OpenedTransfer opened{program.frame.child(windowName)};
    auto* bar = child<QProgressBar>(opened.window, "ProgressBar1");
    QObject::connect(bar, &QProgressBar::valueChanged, bar,
                     [progress = opened.progress](int value) { *progress << value; });
    return opened;
}

// A write of the VHF channels to r5sim (started with `options` on the
// patterned memory) by the program in English, which keeps its backups in the
// radio's folder and hears Yes to every question it asks.
struct SimWrite {
    explicit SimWrite(const QStringList& options) : radio(folder.path(), patternedMemory(), options)
    {
        if (!radio.up())
            qFatal("r5sim did not start");
        program = std::make_unique<TestProgram>(QList<SystemPort>{SystemPort{radio.link(), "", "", false, true}},
                                                MainWindow::Options{Language::English, false}, TestProgram::Link::Real);
        program->startUp();
        program->state.backupFolder = folder.filePath("backups");
        buildVhfChannels(program->state.image);
        QObject::connect(&answer, &QTimer::timeout, &answer, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->objectName() == "r5Question") {
                questions << box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        answer.start(10);
    }

    QTemporaryDir folder;
    SimRadio radio;
    std::unique_ptr<TestProgram> program;
    PromptCatcher prompts;
    QStringList questions;
    QTimer answer;
};

} // namespace

class TransferWindowTest : public QObject {
    Q_OBJECT
private slots:
    void readFromTheRadio()
    {
        TestProgram program(eightBuiltInPorts(), MainWindow::Options{Language::English, false}, TestProgram::Link::Fake,
                            {builtInDevice(1)});
        sim::VirtualRadio radio;
        radio.setMemory(patternedMemory());
        program.fakePorts.radio = [&radio](const QByteArray& command) { return radio.answer(command).bytes; };
        program.startUp();
        const RadioImage before = program.state.image;

        PromptCatcher prompts;
        OpenedTransfer read = openTransfer(program, "Prog_read", "Form_Comm_Read");
        button(read.window, "Command_read")->click();
        QVERIFY(qobject_cast<TransferWindow*>(read.window.data())->busy());
        // Cancel while the radio talks is refused, and nothing stops.
        button(read.window, "Command_Cancel")->click();
        QCOMPARE(prompts.lastText(), linktext::kBusyClose.in(Language::English));
        QVERIFY(read.window && program.state.image == before);

        program.clock.advance(60000);
        QTRY_COMPARE(prompts.prompts().size(), 2);
        QCOMPARE(prompts.lastText(), QString("Complete reading the data from transceiver."));
        QCOMPARE(*read.progress, (QList<int>{5, 11, 17, 23, 29, 35, 41, 47, 52, 58, 64, 70, 76, 82, 88, 94, 100}));
        QCOMPARE(program.state.image.toBytes(), patternedMemory());
        QTRY_VERIFY(!read.window);  // the window closes itself once the message was read
    }

    // A silent line: four attempts, then the write window says so and stays
    // for another try. A port that cannot open: one message, no time-out after it.
    void failurePaths()
    {
        TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(2)});
        program.startUp();
        program.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        program.fakePorts.opened.clear();
        program.state.backupBeforeWrite = false;  // the write's own failure, not the backup read's
        PromptCatcher prompts;
        program.frame.menuItem("Prog_write")->trigger();
        QPointer<ChildWindow> window = program.frame.child("Form_Comm_Write");
        button(window, "Command_Write")->click();
        QCOMPARE(child<QLabel>(window, "Label_tr_count")->text(), linktext::kConnecting.in(Language::Chinese));
        program.clock.advance(60000);
        QTRY_COMPARE(prompts.prompts().size(), 1);
        QCOMPARE(prompts.lastText(), QString("与对讲机联络失败 ！\n对讲机没有确认任何数据块。"));
        QCOMPARE(program.fakePorts.opened.size(), 4);
        QCOMPARE(program.fakePorts.openPorts, 0);
        QCOMPARE(child<QProgressBar>(window, "ProgressBar1")->value(), 0);
        QCOMPARE(child<QLabel>(window, "Label_tr_count")->text(), QString("与对讲机通讯故障 ！"));
        button(window, "Command_Cancel")->click();
        QTRY_VERIFY(!window);
        QCOMPARE(prompts.prompts().size(), 1);

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
        if (qEnvironmentVariableIsEmpty("R5SIM"))
            QSKIP("R5SIM names no virtual radio");
        SimWrite w({"--fast"});

        OpenedTransfer write = openTransfer(*w.program, "Prog_write", "Form_Comm_Write");
        // Cancel when idle closes at once; open it again for the write.
        button(write.window, "Command_Cancel")->click();
        QTRY_VERIFY(!write.window);
        write = openTransfer(*w.program, "Prog_write", "Form_Comm_Write");
        QVERIFY(child<QCheckBox>(write.window, "Check_Backup")->isChecked());
        QVERIFY(child<QCheckBox>(write.window, "Check_Verify")->isChecked());
        button(write.window, "Command_Write")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.prompts.empty(), kTransferTimeoutMs);
        QCOMPARE(w.questions.size(), 1);
        QVERIFY2(w.questions[0].startsWith("What will change in the radio:\n"), qPrintable(w.questions[0]));
        QCOMPARE(w.prompts.lastText(),
                 QString("Complete writing Data to the transceiver.\nVerified: the radio holds what was written."));

        const QStringList backups = QDir(w.folder.filePath("backups")).entryList({"r5-backup-*.chann"});
        QCOMPARE(backups.size(), 1);
        RadioImage kept;
        QVERIFY(!loadChannelFile(kept, w.folder.filePath("backups/" + backups[0])));
        const int backedUp = kChannelFileRows * RadioImage::kCellsPerRow;
        QCOMPARE(kept.toBytes().left(backedUp), patternedMemory().left(backedUp));
        const QByteArray stored = w.radio.stop();
        QCOMPARE(stored.left(kWrittenBytes), w.program->state.image.toBytes().left(kWrittenBytes));
        QCOMPARE(stored.mid(kWrittenBytes), patternedMemory().mid(kWrittenBytes));
    }

    // The radio stores one byte of the write wrong (its answers count the
    // backup read's 18 first): the verify finds it, and the user's yes writes
    // the backup back, so the radio holds what it held before.
    void failedVerifyRestoresTheBackup()
    {
        if (qEnvironmentVariableIsEmpty("R5SIM"))
            QSKIP("R5SIM names no virtual radio");
        SimWrite w({"--fast", "--fault", "corrupt-write:30"});

        OpenedTransfer write = openTransfer(*w.program, "Prog_write", "Form_Comm_Write");
        button(write.window, "Command_Write")->click();
        QTRY_VERIFY_WITH_TIMEOUT(w.prompts.lastText() == "The backup was written back to the radio.", kTransferTimeoutMs);
        QCOMPARE(w.questions.size(), 2);  // what will change, then the restore
        QVERIFY2(w.questions[1].startsWith("The radio's data before the write is kept in"), qPrintable(w.questions[1]));
        QCOMPARE(w.radio.stop().left(kWrittenBytes).toHex(' '), patternedMemory().left(kWrittenBytes).toHex(' '));
    }
};

QTEST_MAIN(TransferWindowTest)
#include "tst_transfer_windows.moc"
