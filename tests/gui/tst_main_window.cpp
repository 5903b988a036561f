// The frame: start-up state in both languages, the menu items shown, the port
// probe, the language switch and building windows anew.
#include "app/main_window.h"
#include "channels/channel_detail_window.h"
#include "channels/channel_grid_window.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "model/defaults.h"
#include "ui/child_frame.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

// A window registered only for a test, to stand behind the factory command.
class StandInWindow : public ChildWindow {
public:
    explicit StandInWindow(AppState& state) : ChildWindow(state) {}
};

QList<ChildWindow*> openWindowsNamed(const MainWindow& frame, const QString& name)
{
    QList<ChildWindow*> found;
    for (QMdiSubWindow* window : frame.workspace()->subWindowList())
        if (auto* framed = qobject_cast<ChildFrame*>(window);
            framed && !framed->isHidden() && framed->child() && framed->child()->objectName() == name)
            found << framed->child();
    return found;
}

QString caption(const MainWindow& frame, const char* item) { return frame.menuItem(item)->text(); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpTexts_data();
    void startUpTexts();
    void menuItemsShown();
    void featureCommandsAppearWithTheirWindow();
    void factoryCommand_data();
    void factoryCommand();
    void shortcutsAndToolbar();
    void shortcutsWorkFromInsideAChild();
    void startUpImageAndGrid();
    void probe_data();
    void probe();
    void languageSwitchQuirks();
    void openChildKeepsItsLanguage();
    void openingBuildsAnew();
    void readingTwiceAbandonsTheFirstTransfer();
    void exitClosesEverythingWithoutAQuestion();
    void channelWindowsWorkTogether();
};

void MainWindowTest::startUpTexts_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<QStringList>("captions");  // title, File, proc_setup, Prog_read, Channel_edit, Menu_exit
    QTest::newRow("Chinese") << true
        << QStringList{"状态", "", "COM1", "软件版本", "Ver 18.01.16", "频 段", " 400-- 520 MHZ", ""}
        << QStringList{"Harlan R5 系列对讲机写频软件", "文件", "端口", "从对讲机读取数据", "信道信息", "退出"};
    QTest::newRow("English") << false
        << QStringList{"State", "", "COM1", "  Version", "Ver 18.01.16", "Band", " 400-- 520 MHZ", ""}
        << QStringList{"R5 Series Program Software ", "File", "Communication", "Read from radio",
                       "Channel Information ", "Exit"};
}

void MainWindowTest::startUpTexts()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, panels);
    QFETCH(QStringList, captions);
    TestProgram program({}, MainWindow::Options{language, false});
    program.startUp();
    MainWindow& frame = program.frame;
    for (int panel = 1; panel <= 8; ++panel)
        QCOMPARE(frame.panelText(panel), panels[panel - 1]);
    QCOMPARE(frame.windowTitle(), captions[0]);
    QCOMPARE(caption(frame, "File"), captions[1]);
    QCOMPARE(caption(frame, "proc_setup"), captions[2]);
    QCOMPARE(caption(frame, "Prog_read"), captions[3]);
    QCOMPARE(caption(frame, "Channel_edit"), captions[4]);
    QCOMPARE(caption(frame, "Menu_exit"), captions[5]);
    QCOMPARE(caption(frame, "Language_chn"), QString("中文"));
    QCOMPARE(caption(frame, "Language_eng"), QString("English"));
    QCOMPARE(frame.menuItem("Language_chn")->isChecked(), language);
    QCOMPARE(frame.menuItem("Language_eng")->isChecked(), language != Language::Chinese);
    QCOMPARE(program.state.language, language);
}

void MainWindowTest::menuItemsShown()
{
    TestProgram program;
    program.startUp();
    // Windows that exist are reachable; commands with nothing behind them stay hidden.
    for (const char* shown : {"File_New", "File_Open", "File_save", "File_saveas", "File_exit", "proc_type",
                              "Channel_edit", "Optional_edit", "Prog_read", "Prog_write", "proc_setup",
                              "Language_chn", "Language_eng", "Menu_About", "Menu_exit"}) {
        QVERIFY2(program.frame.menuItem(shown)->isVisible(), shown);
        QVERIFY2(program.frame.menuItem(shown)->isEnabled(), shown);
    }
    for (const char* hidden : {"Dtmf_edit", "Fleetsync_edit", "Prog_test", "Adjust", "Adj_Txp", "Other"}) {
        QVERIFY2(!program.frame.menuItem(hidden)->isVisible(), hidden);
        QVERIFY2(!program.frame.menuItem(hidden)->isEnabled(), hidden);
    }
    // Feature commands stay hidden until their window is part of the program.
    for (const char* item : {"key_edit", "sep_key_edit", "Scan_edit", "Test_edit", "sep_Test_edit",
                             "Message_edit", "PC_PassWord"})
        QVERIFY2(!program.frame.menuItem(item)->isVisible(), item);
}

void MainWindowTest::featureCommandsAppearWithTheirWindow()
{
    TestProgram program;
    program.frame.registerWindow("frm_key", {"key_edit"}, [&] { return new StandInWindow(program.state); });
    program.startUp();
    QVERIFY(program.frame.menuItem("key_edit")->isVisible());
    QVERIFY(program.frame.menuItem("sep_key_edit")->isVisible());
    QVERIFY(!program.frame.menuItem("sep_Test_edit")->isVisible());
    program.frame.menuItem("key_edit")->trigger();
    QVERIFY(program.frame.child("frm_key"));
}

void MainWindowTest::factoryCommand_data()
{
    QTest::addColumn<bool>("factory");
    QTest::newRow("plain start") << false;
    QTest::newRow("--factory") << true;
}

void MainWindowTest::factoryCommand()
{
    QFETCH(bool, factory);
    TestProgram program({}, MainWindow::Options{Language::Chinese, factory});
    program.frame.registerWindow("frm_adjust", {"Other"}, [&] { return new StandInWindow(program.state); });
    program.startUp();
    QCOMPARE(program.frame.menuItem("Other")->isVisible(), factory);
    QCOMPARE(caption(program.frame, "Other"), QString("调试"));
    // The Adjust menu has nothing behind it in either case.
    QVERIFY(!program.frame.menuItem("Adjust")->isVisible());
}

void MainWindowTest::shortcutsAndToolbar()
{
    TestProgram program({}, MainWindow::Options{Language::English, false});
    program.startUp();
    const QList<QPair<const char*, const char*>> keys = {
        {"File_New", "Ctrl+N"}, {"File_Open", "Ctrl+O"}, {"File_save", "Ctrl+S"},
        {"Prog_read", "Ctrl+R"}, {"Prog_write", "Ctrl+W"}, {"Prog_test", "Ctrl+T"}, {"File_saveas", ""}};
    for (const auto& [item, key] : keys)
        QCOMPARE(program.frame.menuItem(item)->shortcut(), QKeySequence(key));

    auto* toolbar = program.frame.findChild<QToolBar*>("Toolbar1");
    QVERIFY(toolbar);
    QCOMPARE(toolbar->actions().size(), 6);
    const QList<QPair<const char*, const char*>> buttons = {
        {"open", "Form_open_chann"}, {"save", "Form_save_chann"}, {"edit_chann", "frm_chann"},
        {"read", "Form_Comm_Read"}, {"write", "Form_Comm_Write"}};
    for (const auto& [key, window] : buttons) {
        QAction* button = program.frame.toolbarButton(key);
        QVERIFY(button && !button->icon().isNull() && !button->toolTip().isEmpty());
        button->trigger();
        QCOMPARE(openWindowsNamed(program.frame, window).size(), 1);
    }
    QVERIFY(!program.frame.toolbarButton("Exit")->icon().isNull());
}

void MainWindowTest::shortcutsWorkFromInsideAChild()
{
    TestProgram program;
    program.startUp();
    program.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));
    // Ctrl+W is the write command even where a child window's frame would
    // take it as Close.
    QTest::keyClick(program.frame.child("frm_chann"), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(program.frame.child("Form_Comm_Write"));
    QVERIFY(program.frame.child("frm_chann"));
    QTest::keyClick(program.frame.child("Form_Comm_Write"), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(program.frame.child("Form_Comm_Read"));
    QTest::keyClick(program.frame.child("Form_Comm_Read"), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(program.frame.child("Form_open_chann"));
}

void MainWindowTest::startUpImageAndGrid()
{
    TestProgram program;
    program.state.image.fill(0);
    program.state.currentModel = 0;
    program.startUp();
    QCOMPARE(program.state.currentModel, 1);
    QCOMPARE(program.state.bandLow, 400.0);
    QCOMPARE(program.state.bandHigh, 521.0);
    QVERIFY(program.state.image == startUpImage(1));
    QVERIFY(program.state.adjust == defaultAdjustImage());
    // Start-up ends with the channel grid's place open and active.
    QCOMPARE(openWindowsNamed(program.frame, "frm_chann").size(), 1);
    QVERIFY(program.frame.child("frm_chann"));
    QVERIFY(program.frame.child("frm_chann")->windowTitle().contains("1 ]"));
}

void MainWindowTest::probe_data()
{
    QTest::addColumn<QList<int>>("openable");
    QTest::addColumn<int>("comPort");
    QTest::addColumn<bool>("failed");
    QTest::newRow("ports 2 and 5") << QList<int>{2, 5} << 5 << false;
    QTest::newRow("none") << QList<int>{} << 1 << true;
    QTest::newRow("only 8") << QList<int>{8} << 8 << false;
    QTest::newRow("only 1") << QList<int>{1} << 1 << false;
}

void MainWindowTest::probe()
{
    QFETCH(QList<int>, openable);
    QFETCH(int, comPort);
    QFETCH(bool, failed);
    QSet<QString> devices;
    for (int n : openable)
        devices << builtInDevice(n);
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, devices);
    program.startUp();
    QCOMPARE(program.state.comPort, comPort);
    QCOMPARE(program.state.portOpenFailed, failed);
    QCOMPARE(program.frame.panelText(3), "COM" + QString::number(comPort));
    // The probe runs downwards and leaves no port open.
    QCOMPARE(program.fakePorts.openPorts, 0);
    if (!openable.isEmpty())
        QCOMPARE(program.fakePorts.opened, QStringList{builtInDevice(comPort)});
}

void MainWindowTest::languageSwitchQuirks()
{
    TestProgram program;
    program.startUp();
    MainWindow& frame = program.frame;
    QCOMPARE(caption(frame, "proc_setup"), QString("端口"));
    QCOMPARE(frame.panelText(6), QString("频 段"));

    frame.menuItem("Language_eng")->trigger();
    QVERIFY(program.state.language != Language::Chinese);
    QCOMPARE(caption(frame, "proc_setup"), QString("Communication"));
    QCOMPARE(frame.panelText(6), QString("Band"));
    QCOMPARE(frame.panelText(1), QString("State"));
    QCOMPARE(frame.panelText(4), QString("  Version"));
    QVERIFY(frame.menuItem("Language_eng")->isChecked() && !frame.menuItem("Language_chn")->isChecked());
    frame.menuItem("Language_eng")->trigger();  // again: stays English
    QVERIFY(program.state.language != Language::Chinese);
    QCOMPARE(caption(frame, "Prog_write"), QString("Write to radio"));
    QVERIFY(frame.menuItem("Language_eng")->isChecked());

    frame.menuItem("Language_chn")->trigger();
    QVERIFY(program.state.language == Language::Chinese);
    QCOMPARE(caption(frame, "proc_setup"), QString("端口设置"));
    QCOMPARE(frame.panelText(6), QString("频段"));
    QCOMPARE(frame.windowTitle(), QString("Harlan R5 系列对讲机写频软件"));
    // The port, version and band panels are left alone.
    QCOMPARE(frame.panelText(3), QString("COM1"));
    QCOMPARE(frame.panelText(5), QString("Ver 18.01.16"));
    QCOMPARE(frame.panelText(7), QString(" 400-- 520 MHZ"));
    QVERIFY(frame.menuItem("Language_chn")->isChecked() && !frame.menuItem("Language_eng")->isChecked());
}

void MainWindowTest::openChildKeepsItsLanguage()
{
    TestProgram program;
    program.startUp();
    ChildWindow* model = program.frame.openWindow("Form_type");
    QCOMPARE(model->windowTitle(), QString("机型选择"));
    program.frame.switchLanguage(Language::English);
    QCOMPARE(model->windowTitle(), QString("机型选择"));
    program.frame.menuItem("proc_type")->trigger();
    QCOMPARE(program.frame.child("Form_type")->windowTitle(), QString("Model Select"));
}

void MainWindowTest::openingBuildsAnew()
{
    TestProgram program;
    program.startUp();
    program.frame.menuItem("proc_type")->trigger();
    QPointer<ChildWindow> first = program.frame.child("Form_type");
    QVERIFY(first);
    program.frame.menuItem("proc_type")->trigger();
    ChildWindow* second = program.frame.child("Form_type");
    QVERIFY(second && second != first);
    QTRY_VERIFY(!first);
    QCOMPARE(openWindowsNamed(program.frame, "Form_type").size(), 1);
    // Save and Save As both build the one save window; New does nothing.
    program.frame.menuItem("File_save")->trigger();
    program.frame.menuItem("File_saveas")->trigger();
    QCOMPARE(openWindowsNamed(program.frame, "Form_save_chann").size(), 1);
    const int before = program.frame.workspace()->subWindowList().size();
    program.frame.menuItem("File_New")->trigger();
    QCOMPARE(program.frame.workspace()->subWindowList().size(), before);
}

void MainWindowTest::readingTwiceAbandonsTheFirstTransfer()
{
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(1)});
    program.startUp();
    PromptCatcher prompts;
    program.frame.menuItem("Prog_read")->trigger();
    QPointer<ChildWindow> first = program.frame.child("Form_Comm_Read");
    QPushButton* read = first->findChild<QPushButton*>("Command_read");
    QVERIFY(read);
    read->click();
    QCOMPARE(program.fakePorts.openPorts, 1);
    program.clock.advance(100);  // the access sequence has gone out
    QVERIFY(!program.fakePorts.written.isEmpty());

    program.frame.menuItem("Prog_read")->trigger();
    QCOMPARE(program.fakePorts.openPorts, 0);  // the first exchange closed its port at once
    QTRY_VERIFY(!first);
    QCOMPARE(openWindowsNamed(program.frame, "Form_Comm_Read").size(), 1);
    // The new window can start at once on the same port; the old one never times out.
    program.frame.child("Form_Comm_Read")->findChild<QPushButton*>("Command_read")->click();
    QCOMPARE(program.fakePorts.openPorts, 1);
    QVERIFY(prompts.empty());
}

void MainWindowTest::exitClosesEverythingWithoutAQuestion()
{
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(1)});
    program.startUp();
    program.frame.show();
    PromptCatcher prompts;
    program.frame.menuItem("Prog_write")->trigger();
    program.frame.child("Form_Comm_Write")->findChild<QPushButton*>("Command_Write")->click();
    QCOMPARE(program.fakePorts.openPorts, 1);
    program.frame.menuItem("Menu_exit")->trigger();
    QVERIFY(!program.frame.isVisible());
    QCOMPARE(program.fakePorts.openPorts, 0);
    QVERIFY(prompts.empty());
}

void MainWindowTest::channelWindowsWorkTogether()
{
    TestProgram program;
    program.startUp();
    program.frame.show();
    ChildWindow* grid = program.frame.child("frm_chann");
    QVERIFY(qobject_cast<ChannelGridWindow*>(grid));

    // Channel Edit opens the detail editor; choosing a channel there retitles the grid.
    grid->findChild<QPushButton*>("Command_Edit")->click();
    ChildWindow* detail = program.frame.child("Form_Chann_Edit");
    QVERIFY(qobject_cast<ChannelDetailWindow*>(detail));
    detail->findChild<QScrollBar*>("VScroll1")->setValue(5);
    QCOMPARE(program.state.currentChannel, 5);
    QVERIFY(grid->windowTitle().endsWith(" 5 ]"));

    // The grid's Close takes the detail editor and the channel-file windows with it.
    program.frame.menuItem("File_Open")->trigger();
    program.frame.menuItem("File_save")->trigger();
    program.frame.menuItem("proc_type")->trigger();
    program.frame.child("frm_chann")->findChild<QPushButton*>("Command_close")->click();
    for (const char* name : {"frm_chann", "Form_Chann_Edit", "Form_open_chann", "Form_save_chann"})
        QTRY_VERIFY2(openWindowsNamed(program.frame, name).isEmpty(), name);
    QVERIFY(program.frame.child("Form_type"));  // other windows stay

    program.frame.toolbarButton("edit_chann")->trigger();
    QVERIFY(qobject_cast<ChannelGridWindow*>(program.frame.child("frm_chann")));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
