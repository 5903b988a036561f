// The frame: start-up state in both languages, the menu items shown, the port
// probe, the language switch and building windows anew.
#include "app/main_window.h"
#include "app/menu_table.h"
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

QString caption(const MainWindow& frame, const char* item) { return withoutAccessKey(frame.menuItem(item)->text()); }

// The texts each window shows, in both languages: a few per window, enough to
// prove that its captions follow the language. "MDImain" is the frame, whose
// controls are menu items and status panels ("panelN"); an empty control is
// the window title.
struct CaptionRow {
    const char* window;
    const char* control;
    const char* zh;
    const char* english;
};

const CaptionRow kCaptions[] = {
    {"MDImain", "", "Harlan R5 系列对讲机写频软件", "R5 Series Program Software "},
    {"MDImain", "proc_setup", "端口", "Communication"},
    {"MDImain", "Prog_read", "从对讲机读取数据", "Read from radio"},
    {"MDImain", "panel1", "状态", "State"},
    {"MDImain", "panel6", "频 段", "Band"},
    {"frm_chann", "", "信道参数编辑 [ 信道 -  1 ]", "Channel Information [ Channel -  1 ]"},
    {"frm_chann", "Command_Edit", "信道编辑", "Channel Edit"},
    {"Form_Chann_Edit", "Label_RX_freq", "接收频率", "Receive Frequency "},
    {"Form_Chann_Edit", "Check_Comp", "压括器", "Compander"},
    {"Form_open_chann", "", "打开信道参数文件", "Open Channcle File"},
    {"Form_open_chann", "Label_name", "打开文件名：", "Open File:"},
    {"Form_save_chann", "Label_name", "保存文件名：", "Save File:"},
    {"Form_save_chann", "Label_drive", "驱动器：", "Drive:"},
    {"Form_type", "", "机型选择", "Model Select"},
    {"Form_type", "Label2", "频  段", "Band"},
    {"Form_setup", "Frame1", "端口设置", "Port Setup"},
    {"Form_setup", "Command1", "取 消", "取 消"},
    {"Form_Comm_Read", "", "从对讲机读取数据", "Read Data From Radio"},
    {"Form_Comm_Read", "Label1", "读出密码", "读出密码"},
    {"Form_Comm_Write", "Command_Write", "写入", "Write"},
    {"Form_About", "", "关于", "About"},
    {"frm_option", "", "可选参数", "Optional Features"},
    {"frm_option", "Check_Save", "电池省电", "Battery Save"},
    {"frm_option", "Label_vol", "当前音量", "当前音量"},
    {"Form_edit_Key", "", "键设定", "Key Assingment"},
    {"Form_Edit_scan", "Label_RYC", "扫描接收恢复延迟时间(秒)", "Dropout Delay Time (s)"},
    {"Form_Edit_Test", "", "测试频率", "Test Frequency"},
    {"Form_Edit_Message", "", "嵌入信息", "Embedded Message"},
    {"Form_Edit_Message", "Command_close", "关闭", "Close"},
    {"Form_Write_PassWord", "", "修改密码", "Modify PassWord"},
    {"Form_Write_PassWord", "Command_Write", "修改", "Modify"},
    {"frm_Adj_Txp", "", "发射功率调整（高功率）", "发射功率调整（高功率）"},
    {"Form_open_adj", "", "打开调整参数文件", "Open Adjust File"},
    {"Form_save_adj", "", "保存调整参数文件", "Save Adjust File"},
};

QString shownText(MainWindow& frame, const QString& window, const QString& control)
{
    if (window == "MDImain") {
        if (control.isEmpty())
            return frame.windowTitle();
        if (control.startsWith("panel"))
            return frame.panelText(control.mid(5).toInt());
        return withoutAccessKey(frame.menuItem(control)->text());
    }
    ChildWindow* child = frame.openWindow(window);
    if (control.isEmpty())
        return child->windowTitle();
    QWidget* widget = child->findChild<QWidget*>(control);
    if (!widget)
        return "no control " + control;
    const QVariant text = widget->property("text");
    return text.isValid() ? text.toString() : widget->property("title").toString();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionsFollowTheLanguage();
    void everyMenuItemOpensItsWindowOrIsListedWithout();
    void commandsAppearWithTheirWindow();
    void toolbarAndShortcutsOpenWindows();
    void startUpStateAndProbe();
    void languageSwitchQuirks();
    void readingTwiceAbandonsTheFirstTransferAndExitEndsAll();
    void windowsAreBuiltAnewAndChannelWindowsCloseTogether();
};

void MainWindowTest::captionsFollowTheLanguage()
{
    for (const Language language : {Language::Chinese, Language::English}) {
        TestProgram program({}, MainWindow::Options{language, false});
        program.startUp();
        QStringList wrong;
        for (const CaptionRow& row : kCaptions) {
            const QString expected = QString::fromUtf8(language == Language::Chinese ? row.zh : row.english);
            const QString shown = shownText(program.frame, row.window, row.control);
            if (shown != expected)
                wrong << QString("%1 %2: \"%3\", not \"%4\"").arg(row.window, row.control, shown, expected);
        }
        for (const QString& window : program.frame.windowNames())
            if (std::none_of(std::begin(kCaptions), std::end(kCaptions),
                             [&](const CaptionRow& row) { return window == row.window; }))
                wrong << window + ": no row in the caption table";
        QCOMPARE(wrong, QStringList());
        QCOMPARE(program.state.language, language);
        QCOMPARE(program.frame.menuItem("Language_chn")->isChecked(), language == Language::Chinese);
    }
}

void MainWindowTest::everyMenuItemOpensItsWindowOrIsListedWithout()
{
    // The menus themselves, the commands the frame carries out, and those
    // whose window the program does not have (yet).
    const QSet<QString> withoutWindow = {"File", "Edit", "Program", "Adjust", "Language_Setup", "File_New",
                                         "File_exit", "Language_chn", "Language_eng", "Menu_exit", "Dtmf_edit",
                                         "Fleetsync_edit", "Prog_test", "Adj_Txp", "File_export_csv", "File_import_csv",
                                         "File_export_sheet", "File_print"};
    TestProgram program({}, MainWindow::Options{Language::Chinese, true});
    program.startUp();
    for (const MenuItemSpec& item : menuItems()) {
        if (isMenuSeparator(item))
            continue;
        const QString window = program.frame.windowFor(item.name);
        QVERIFY2(window.isEmpty() == withoutWindow.contains(item.name), item.name);
        if (window.isEmpty())
            continue;
        QAction* action = program.frame.menuItem(item.name);
        QVERIFY2(action->isVisible() && action->isEnabled(), item.name);
        action->trigger();
        QVERIFY2(program.frame.child(window), item.name);
    }
}

void MainWindowTest::commandsAppearWithTheirWindow()
{
    // The factory command shows only with --factory; the Adjust menu has
    // nothing behind it in either case.
    for (const bool factory : {false, true}) {
        TestProgram program({}, MainWindow::Options{Language::Chinese, factory});
        program.startUp();
        QVERIFY(program.frame.menuItem("PC_PassWord")->isVisible());
        QCOMPARE(program.frame.menuItem("Other")->isVisible(), factory);
        QVERIFY(!program.frame.menuItem("Adjust")->isVisible());
    }
}

void MainWindowTest::toolbarAndShortcutsOpenWindows()
{
    TestProgram program;
    program.startUp();
    program.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));
    // Ctrl+W is the write command even where a child window's frame would take it as Close.
    QTest::keyClick(program.frame.child("frm_chann"), Qt::Key_W, Qt::ControlModifier);
    QVERIFY(program.frame.child("Form_Comm_Write") && program.frame.child("frm_chann"));
    QTest::keyClick(program.frame.child("Form_Comm_Write"), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(program.frame.child("Form_Comm_Read"));
    const QList<QPair<const char*, const char*>> buttons = {
        {"open", "Form_open_chann"}, {"save", "Form_save_chann"}, {"edit_chann", "frm_chann"},
        {"read", "Form_Comm_Read"}, {"write", "Form_Comm_Write"}};
    for (const auto& [key, window] : buttons) {
        program.frame.toolbarButton(key)->trigger();
        QCOMPARE(openWindowsNamed(program.frame, window).size(), 1);
    }
}

void MainWindowTest::startUpStateAndProbe()
{
    // The start-up state. The probe runs downwards, settles on the first port that opens and leaves it closed.
    for (const auto& [openable, comPort] : {std::pair{QList<int>{2, 5}, 5}, std::pair{QList<int>{}, 1}}) {
        QSet<QString> devices;
        for (int n : openable)
            devices << builtInDevice(n);
        TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, devices);
        program.state.image.fill(0);
        program.state.currentModel = 0;
        program.startUp();
        QCOMPARE(program.state.currentModel, 1);
        QVERIFY(program.state.image == startUpImage(1));
        QVERIFY(program.state.adjust == defaultAdjustImage());
        QCOMPARE(openWindowsNamed(program.frame, "frm_chann").size(), 1);  // start-up ends with the grid
        QCOMPARE(program.state.comPort, comPort);
        QCOMPARE(program.state.portOpenFailed, openable.isEmpty());
        QCOMPARE(program.frame.panelText(3), "COM" + QString::number(comPort));
        QCOMPARE(program.fakePorts.openPorts, 0);
        QCOMPARE(program.fakePorts.opened, openable.isEmpty() ? QStringList() : QStringList{builtInDevice(5)});
    }
}

void MainWindowTest::languageSwitchQuirks()
{
    TestProgram program;
    program.startUp();
    MainWindow& frame = program.frame;
    ChildWindow* model = frame.openWindow("Form_type");
    frame.menuItem("Language_eng")->trigger();
    frame.menuItem("Language_eng")->trigger();  // again: stays English
    QCOMPARE(model->windowTitle(), QString("Model Select"));  // an open window follows the switch
    QCOMPARE(frame.openWindow("Form_type")->windowTitle(), QString("Model Select"));
    QVERIFY(program.state.language != Language::Chinese);
    QCOMPARE(caption(frame, "Prog_write"), QString("Write to radio"));
    QCOMPARE(frame.panelText(6), QString("Band"));
    QVERIFY(frame.menuItem("Language_eng")->isChecked() && !frame.menuItem("Language_chn")->isChecked());

    // Back in Chinese the port item and the band caption read as they never do at start-up.
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

void MainWindowTest::readingTwiceAbandonsTheFirstTransferAndExitEndsAll()
{
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(1)});
    program.startUp();
    program.frame.show();
    PromptCatcher prompts;
    program.frame.menuItem("Prog_read")->trigger();
    QPointer<ChildWindow> first = program.frame.child("Form_Comm_Read");
    first->findChild<QPushButton*>("Command_read")->click();
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
    // Exit closes everything without a question, the running exchange too.
    program.frame.menuItem("Menu_exit")->trigger();
    QVERIFY(!program.frame.isVisible());
    QCOMPARE(program.fakePorts.openPorts, 0);
    QVERIFY(prompts.empty());
}

void MainWindowTest::windowsAreBuiltAnewAndChannelWindowsCloseTogether()
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
    QCOMPARE(openWindowsNamed(program.frame, "Form_type").size(), 1);

    // The grid's Close takes the detail editor and the channel-file windows with it.
    program.frame.child("frm_chann")->findChild<QPushButton*>("Command_close")->click();
    for (const char* name : {"frm_chann", "Form_Chann_Edit", "Form_open_chann", "Form_save_chann"})
        QTRY_VERIFY2(openWindowsNamed(program.frame, name).isEmpty(), name);
    QVERIFY(program.frame.child("Form_type"));  // other windows stay

    program.frame.toolbarButton("edit_chann")->trigger();
    QVERIFY(qobject_cast<ChannelGridWindow*>(program.frame.child("frm_chann")));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
