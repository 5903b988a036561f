// The frame: start-up state in both languages, the menu items shown, the port
// probe, the language switch and building windows anew; the program's command
// line and the pictures scripts/screenshots takes of every window.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/screenshots.h"
#include "channels/channel_grid_window.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "model/defaults.h"
#include "ui/child_frame.h"

using namespace r5;
using namespace r5::test;

namespace {

QList<ChildWindow*> openWindowsNamed(const MainWindow& frame, const QString& name)
{
    QList<ChildWindow*> found;
    for (QMdiSubWindow* window : frame.workspace()->subWindowList())
        if (auto* framed = qobject_cast<ChildFrame*>(window);
            framed && !framed->isHidden() && framed->child() && framed->child()->objectName() == name)
            found << framed->child();
    return found;
}

QString caption(const MainWindow& frame, const char* item) { return withoutAccessKey(frame.menuItem(item)->text()); }

// A text of each kind a window shows, in both languages: the frame's title,
// menu items and status panels ("MDImain"), a window title (an empty control)
// with and without the channel in it, a label, a check box, a group box, and
// the factory window, whose title stays Chinese. That a language switch gives
// every window the texts it would be built with is the accessibility test's.
struct CaptionRow {
    const char *window, *control, *zh, *english;
};

const CaptionRow kCaptions[] = {
    {"MDImain", "", "Harlan R5 系列对讲机写频软件", "R5 Series Program Software "},
    {"MDImain", "proc_setup", "端口", "Communication"},
    {"MDImain", "Panel6", "频 段", "Band"},
    {"frm_chann", "", "信道参数编辑 [ 信道 -  1 ]", "Channel Information [ Channel -  1 ]"},
    {"Form_Chann_Edit", "Label_RX_freq", "接收频率", "Receive Frequency "},
    {"Form_type", "", "机型选择", "Model Select"},
    {"Form_setup", "Frame1", "端口设置", "Port Setup"},
    {"frm_option", "Check_Save", "电池省电", "Battery Save"},
    {"frm_Adj_Txp", "", "发射功率调整（高功率）", "发射功率调整（高功率）"},
};

QString shownText(MainWindow& frame, const QString& window, const QString& control)
{
    QWidget* root = window == "MDImain" ? static_cast<QWidget*>(&frame) : frame.openWindow(window);
    if (control.isEmpty())
        return root->windowTitle();
    QObject* found = root->findChild<QObject*>(control);
    if (!found)
        return "no control " + control;
    const QVariant text = found->property("text");
    return text.isValid() ? withoutAccessKey(text.toString()) : found->property("title").toString();
}

// Every menu item with a window opens it; listed are the menus themselves, the
// commands the frame carries out, and those without a window (yet).
void everyMenuItemOpensItsWindow(TestProgram& program)
{
    const QSet<QString> withoutWindow = {"File", "Edit", "Program", "Adjust", "Language_Setup", "File_New",
                                         "File_exit", "Language_chn", "Language_eng", "Menu_exit", "Dtmf_edit",
                                         "Fleetsync_edit", "Prog_test", "Adj_Txp", "File_export_csv", "File_import_csv",
                                         "File_export_sheet", "File_print"};
    for (const MenuItemSpec& item : menuItems()) {
        const QString window = isMenuSeparator(item) ? QString() : program.frame.windowFor(item.name);
        QVERIFY2(isMenuSeparator(item) || window.isEmpty() == withoutWindow.contains(item.name), item.name);
        if (window.isEmpty())
            continue;
        QAction* action = program.frame.menuItem(item.name);
        QVERIFY2(action->isVisible() && action->isEnabled(), item.name);
        action->trigger();
        QVERIFY2(program.frame.child(window), item.name);
    }
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowTheLanguage()
    {
        // The factory command shows only with --factory (here with English),
        // where every menu item then opens its window; the Adjust menu has
        // nothing behind it in either case.
        for (const Language language : {Language::Chinese, Language::English}) {
            const bool factory = language == Language::English;
            TestProgram program({}, MainWindow::Options{language, factory});
            program.startUp();
            QVERIFY(program.frame.menuItem("PC_PassWord")->isVisible() && !program.frame.menuItem("Adjust")->isVisible());
            QCOMPARE(program.frame.menuItem("Other")->isVisible(), factory);
            QStringList wrong;
            for (const CaptionRow& row : kCaptions) {
                const QString expected = QString::fromUtf8(language == Language::Chinese ? row.zh : row.english);
                const QString shown = shownText(program.frame, row.window, row.control);
                if (shown != expected)
                    wrong << QString("%1 %2: \"%3\", not \"%4\"").arg(row.window, row.control, shown, expected);
            }
            QCOMPARE(wrong, QStringList());
            QCOMPARE(program.frame.menuItem("Language_chn")->isChecked(), language == Language::Chinese);
            if (factory)
                everyMenuItemOpensItsWindow(program);
        }
    }

    void startUpStateAndLanguageSwitch()
    {
        // Start-up resets the state and takes the port the probe found.
        TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(2), builtInDevice(5)});
        program.state.image.fill(0);
        program.state.currentModel = 0;
        program.startUp();
        QCOMPARE(program.state.currentModel, 1);
        QVERIFY(program.state.image == startUpImage(1));
        QCOMPARE(openWindowsNamed(program.frame, "frm_chann").size(), 1);  // start-up ends with the grid
        QCOMPARE(program.state.comPort, 5);
        QVERIFY(!program.state.portOpenFailed);

        MainWindow& frame = program.frame;
        frame.menuItem("Language_eng")->trigger();
        frame.menuItem("Language_eng")->trigger();  // again: stays English
        QCOMPARE(caption(frame, "Prog_write"), QString("Write to radio"));
        QVERIFY(frame.menuItem("Language_eng")->isChecked() && !frame.menuItem("Language_chn")->isChecked());

        // Back in Chinese the port item and the band caption read as they never do at start-up.
        frame.menuItem("Language_chn")->trigger();
        QCOMPARE(caption(frame, "proc_setup"), QString("端口设置"));
        QCOMPARE(frame.panelText(6), QString("频段"));
        QCOMPARE(frame.windowTitle(), QString("Harlan R5 系列对讲机写频软件"));
        // The port, version and band panels are left alone.
        QCOMPARE(frame.panelText(3), QString("COM5"));
        QCOMPARE(frame.panelText(7), QString(" 400-- 520 MHZ"));
        QVERIFY(frame.menuItem("Language_chn")->isChecked() && !frame.menuItem("Language_eng")->isChecked());
    }

    void readingTwiceAbandonsTheFirstTransferAndExitEndsAll()
    {
        TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(1)});
        program.startUp();
        program.frame.show();
        PromptCatcher prompts;
        program.frame.menuItem("Prog_read")->trigger();
        QPointer<ChildWindow> first = program.frame.child("Form_Comm_Read");
        child<QPushButton>(first, "Command_read")->click();
        QCOMPARE(program.fakePorts.openPorts, 1);

        program.frame.menuItem("Prog_read")->trigger();
        QCOMPARE(program.fakePorts.openPorts, 0);  // the first exchange closed its port at once
        QTRY_VERIFY(!first);
        // The new window can start at once on the same port; the old one never times out.
        child<QPushButton>(program.frame.child("Form_Comm_Read"), "Command_read")->click();
        QCOMPARE(program.fakePorts.openPorts, 1);
        // Exit closes everything without a question, the running exchange too.
        program.frame.menuItem("Menu_exit")->trigger();
        QVERIFY(!program.frame.isVisible());
        QCOMPARE(program.fakePorts.openPorts, 0);
        QVERIFY(prompts.empty());
    }

    void windowsAreBuiltAnewAndChannelWindowsCloseTogether()
    {
        TestProgram program;
        program.startUp();
        program.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));
        ChildWindow* grid = program.frame.child("frm_chann");

        // Channel Edit opens the detail editor; choosing a channel there retitles the grid.
        child<QPushButton>(grid, "Command_Edit")->click();
        child<QScrollBar>(program.frame.child("Form_Chann_Edit"), "VScroll1")->setValue(5);
        QVERIFY(grid->windowTitle().endsWith(" 5 ]"));

        // A command builds its window anew; Save and Save As build the one save window; New does nothing.
        program.frame.menuItem("proc_type")->trigger();
        QPointer<ChildWindow> first = program.frame.child("Form_type");
        program.frame.menuItem("proc_type")->trigger();
        QTRY_VERIFY(!first);
        program.frame.menuItem("File_Open")->trigger();
        program.frame.menuItem("File_save")->trigger();
        program.frame.menuItem("File_saveas")->trigger();
        const int open = program.frame.workspace()->subWindowList().size();
        program.frame.menuItem("File_New")->trigger();
        QCOMPARE(program.frame.workspace()->subWindowList().size(), open);
        QCOMPARE(openWindowsNamed(program.frame, "Form_save_chann").size(), 1);

        // The grid's Close takes the detail editor and the channel-file windows with it.
        child<QPushButton>(grid, "Command_close")->click();
        for (const char* name : {"frm_chann", "Form_Chann_Edit", "Form_open_chann", "Form_save_chann"})
            QTRY_VERIFY2(openWindowsNamed(program.frame, name).isEmpty(), name);
        QVERIFY(program.frame.child("Form_type"));  // other windows stay

        program.frame.toolbarButton("edit_chann")->trigger();
        QVERIFY(qobject_cast<ChannelGridWindow*>(program.frame.child("frm_chann")));
        // Ctrl+W is the write command even where a child window's frame would take it as Close.
        QTest::keyClick(program.frame.child("frm_chann"), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(program.frame.child("Form_Comm_Write") && program.frame.child("frm_chann"));
    }

    void commandLineParses()
    {
        const std::pair<QStringList, QString> refused[] = {
            {{"--language", "fr"}, "--language takes zh or en, not 'fr'"},
            {{"--port"}, "--port needs a value"},
            {{"--port="}, "--port needs a device"},
            {{"--port", "COM9"}, "port number must be 1 to 8 (COM1 to COM8): COM9"},
            {{"-platform", "offscreen"}, "unknown argument '-platform'"},
        };
        for (const auto& [arguments, error] : refused) {
            const ProgramOptions options = parseProgramOptions(arguments);
            QCOMPARE(options.error, error);
            QCOMPARE(options.unknownArgument, arguments.first() == "-platform");
        }
        // --help runs at every build, where the manual pages are made from it.
        const ProgramOptions plain = parseProgramOptions({});
        QVERIFY(plain.language == Language::Chinese && !plain.factory && plain.error.isEmpty());
        const ProgramOptions options = parseProgramOptions(
            {"--port", "/dev/ttyUSB0", "--language=en", "--port=COM3", "--factory", "--port=/tmp/radio", "--port", "5"});
        QVERIFY2(options.error.isEmpty(), qPrintable(options.error));
        QCOMPARE(options.ports, QStringList({"/dev/ttyUSB0", "/tmp/radio"}));  // devices join the list in order
        QCOMPARE(options.startComPort, 5);                                      // a number chooses the start port
        QVERIFY(options.language != Language::Chinese && options.factory);
        QVERIFY(parseProgramOptions({"--language", "zh"}).language == Language::Chinese);
        QVERIFY(parseProgramOptions({"--version"}).version);
        QCOMPARE(parseProgramOptions({"--screenshots", "out"}).screenshotFolder, QString("out"));
    }

    void screenshotsOfEveryWindowInBothLanguages()
    {
        QTemporaryDir folder;
        TestProgram program;
        program.startUp();
        QCOMPARE(writeScreenshots(program.frame, folder.path()), 0);
        QStringList expected;
        for (const QString language : {"zh", "en"}) {
            expected << language + "-MDImain.png";
            for (const QString& window : program.frame.windowNames())
                expected << language + "-" + window + ".png";
        }
        expected.sort();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), expected);
        for (const QString& name : expected) {
            const QImage image(folder.filePath(name));
            QVERIFY2(!image.isNull() && image.width() > 100 && image.height() > 50, qPrintable(name));
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
