// The radio-wide settings windows, driven through the program's own menu: one
// row per binding rule (the rules' full tables are r5core's), the first
// showing of odd cells, typing, the messages and redrawing on activation.
#include "app/menu_table.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/sim_helpers.h"
#include "model/radio_models.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

using Bytes = QList<int>;

QString shown(QWidget* control)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    if (auto* box = qobject_cast<QCheckBox*>(control))
        return box->isChecked() ? "on" : "off";
    return qobject_cast<QLineEdit*>(control)->text();
}

Bytes cells(const RadioImage& image, int row, int first, int count)
{
    Bytes bytes;
    for (int c = first; c < first + count; ++c)
        bytes << image.cell(row, c);
    return bytes;
}

void commitText(QWidget* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

} // namespace

class FeatureWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyEditItemOpensItsWindow_data();
    void everyEditItemOpensItsWindow();
    void firstShowingNormalises_data();
    void firstShowingNormalises();
    void choicesWrite_data();
    void choicesWrite();
    void typingIntoLists();
    void priorityChannelBox();
    void inputMethodText_data();
    void inputMethodText();
    void testFrequencyCommits_data();
    void testFrequencyCommits();
    void messageLines_data();
    void messageLines();
    void activationRedraws_data();
    void activationRedraws();
    void writeAndReadBackWithTheVirtualRadio();

private:
    ChildWindow* open(const char* command);
    template <typename W = QWidget>
    W* control(const char* name) const { return window_->findChild<W*>(name); }
    void clickCell(int line, int column);

    std::unique_ptr<TestProgram> program_;
    std::unique_ptr<PromptCatcher> prompts_;
    ChildWindow* window_ = nullptr;
};

void FeatureWindowTest::init()
{
    program_ = std::make_unique<TestProgram>(eightBuiltInPorts(), MDImain::Options{false, false});
    program_->startUp();
    program_->state.selectModel(kVhfModel);
    program_->frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program_->frame));
    prompts_ = std::make_unique<PromptCatcher>();
}

void FeatureWindowTest::cleanup()
{
    prompts_.reset();
    program_.reset();
}

ChildWindow* FeatureWindowTest::open(const char* command)
{
    program_->frame.menuItem(command)->trigger();
    QMdiSubWindow* frame = program_->frame.workspace()->activeSubWindow();
    window_ = frame ? frame->findChild<ChildWindow*>() : nullptr;
    return window_;
}

void FeatureWindowTest::everyEditItemOpensItsWindow_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("zh") << true << QStringList{"frm_chann", "frm_option: 可选参数", "Form_edit_Key: 键设定",
                                               "Form_Edit_scan: 扫描信息", "Form_Edit_Test: 测试频率",
                                               "Form_Edit_Message: 嵌入信息"};
    QTest::newRow("en") << false << QStringList{"frm_chann", "frm_option: Optional Features",
                                                "Form_edit_Key: Key Assingment", "Form_Edit_scan: Scan Information",
                                                "Form_Edit_Test: Test Frequency",
                                                "Form_Edit_Message: Embedded Message"};
}

void FeatureWindowTest::everyEditItemOpensItsWindow()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, titles);
    program_->frame.switchLanguage(chinese);
    QStringList opened;
    for (const MenuItemSpec& item : menuItems()) {
        QAction* action = program_->frame.menuItem(item.name);
        if (!action->isVisible() || qstrcmp(item.parent, "Edit") != 0 || action->isSeparator())
            continue;
        QVERIFY2(open(item.name), item.name);
        const bool grid = window_->objectName() == "frm_chann";
        opened << window_->objectName() + (grid ? QString() : ": " + window_->windowTitle());
    }
    QCOMPARE(opened, titles);
    QVERIFY(program_->frame.menuItem("sep_key_edit")->isVisible());
    QVERIFY(program_->frame.menuItem("sep_Test_edit")->isVisible());
}

void FeatureWindowTest::firstShowingNormalises_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("first");
    QTest::addColumn<Bytes>("stored");    // from cell `first` on
    QTest::addColumn<Bytes>("expected");  // the same cells after opening
    QTest::addColumn<QString>("text");
    QTest::newRow("time-out 0") << "Optional_edit" << "Combo_TOT" << 19 << 0 << Bytes{0} << Bytes{1} << "15";
    QTest::newRow("time-out 41") << "Optional_edit" << "Combo_TOT" << 19 << 0 << Bytes{41} << Bytes{40} << "600";
    QTest::newRow("squelch 12") << "Optional_edit" << "Combo_Sql" << 19 << 0 << Bytes{1, 12} << Bytes{1, 9} << "9";
    QTest::newRow("channel 20") << "Optional_edit" << "Combo_ch_Number" << 19 << 0 << Bytes{1, 0, 0, 0, 0, 0, 0, 20}
                                << Bytes{1, 0, 0, 0, 0, 0, 0, 15} << "16";
    QTest::newRow("keypad 0x80") << "Optional_edit" << "Check_Lock" << 19 << 0 << Bytes{1, 0, 0, 0x80}
                                 << Bytes{1, 0, 0, 1} << "on";
    QTest::newRow("pf1 0x0C, pf2 0x01") << "key_edit" << "Combo_pf2" << 17 << 13 << Bytes{0x0C, 0x01, 0x80}
                                        << Bytes{0xFF, 0x00, 0x80} << "Autodial";
    QTest::newRow("pf1 fresh") << "key_edit" << "Combo_pf1" << 17 << 13 << Bytes{} << Bytes{0xFF} << "None";
    QTest::newRow("scan fresh") << "Scan_edit" << "Combo_BC" << 22 << 0 << Bytes{}
                                << Bytes{2, 0xFF, 91, 91, 3, 0x2C, 1, 0x2C, 1, 0xFF} << "Priority+Talk Back";
    QTest::newRow("mode 7") << "Scan_edit" << "Combo_pri" << 22 << 0 << Bytes{7, 0, 0, 0, 0, 0, 0, 0, 0}
                            << Bytes{2, 0, 0, 0, 2, 0, 0, 0, 0} << "Selected";
    QTest::newRow("look-back 1, 95") << "Scan_edit" << "Combo_BB" << 22 << 0 << Bytes{1, 0, 1, 95, 0, 0, 0, 0, 0}
                                     << Bytes{1, 0, 0, 91, 0, 0, 0, 0, 0} << "5.00";
    QTest::newRow("revert 3 in mode None") << "Scan_edit" << "Combo_BC" << 22 << 0 << Bytes{0, 0, 0, 0, 3}
                                           << Bytes{0, 0, 0, 0, 1} << "Selected+Talk Back";
    QTest::newRow("dropout 0x1FF") << "Scan_edit" << "Combo_RYC" << 22 << 0 << Bytes{1, 0, 0, 0, 0, 0xFF, 1}
                                   << Bytes{1, 0, 0, 0, 0, 0x2C, 1} << "300";
}

void FeatureWindowTest::firstShowingNormalises()
{
    QFETCH(QString, command);
    QFETCH(QString, widget);
    QFETCH(int, row);
    QFETCH(int, first);
    QFETCH(Bytes, stored);
    QFETCH(Bytes, expected);
    QFETCH(QString, text);
    RadioImage& image = program_->state.image;
    for (int c = 0; c < stored.size(); ++c)
        image.setCell(row, first + c, quint8(stored[c]));
    open(qPrintable(command));
    QCOMPARE(shown(control<>(qPrintable(widget))), text);
    QCOMPARE(cells(image, row, first, int(expected.size())), expected);
}

void FeatureWindowTest::choicesWrite_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Bytes>("expected");
    QTest::newRow("voice") << "Optional_edit" << "Combo_Voice" << "English" << 19 << 2 << Bytes{2};
    QTest::newRow("time-out") << "Optional_edit" << "Combo_TOT" << "600" << 19 << 0 << Bytes{40};
    QTest::newRow("beep") << "Optional_edit" << "Check_Beep" << "off" << 19 << 5 << Bytes{0};
    QTest::newRow("pf2") << "key_edit" << "Combo_pf2" << "Temporary Delete" << 17 << 13 << Bytes{0xFF, 0x0B};
    QTest::newRow("look-back") << "Scan_edit" << "Combo_BA" << "0.55" << 22 << 2 << Bytes{2};
    QTest::newRow("revert") << "Scan_edit" << "Combo_BC" << "Priority" << 22 << 4 << Bytes{2};
    QTest::newRow("mode") << "Scan_edit" << "Combo_pri" << "Fixed" << 22 << 0 << Bytes{1, 0xFF, 91, 91, 3};
    QTest::newRow("dwell") << "Scan_edit" << "Combo_TYC" << "256" << 22 << 7 << Bytes{0, 1};
}

void FeatureWindowTest::choicesWrite()
{
    QFETCH(QString, command);
    QFETCH(QString, widget);
    QFETCH(QString, choice);
    QFETCH(int, row);
    QFETCH(int, cell);
    QFETCH(Bytes, expected);
    open(qPrintable(command));
    if (auto* box = control<QCheckBox>(qPrintable(widget)))
        box->click();
    else
        control<QComboBox>(qPrintable(widget))->setCurrentIndex(control<QComboBox>(qPrintable(widget))->findText(choice));
    QCOMPARE(shown(control<>(qPrintable(widget))), choice);
    QCOMPARE(cells(program_->state.image, row, cell, int(expected.size())), expected);
}

void FeatureWindowTest::typingIntoLists()
{
    RadioImage& image = program_->state.image;
    image.setCell(19, 0, 8);
    open("Optional_edit");
    QTest::keyClicks(control<QComboBox>("Combo_TOT"), "3");
    QCOMPARE(shown(control<>("Combo_TOT")), QString("15"));
    QCOMPARE(image.cell(19, 0), 1);
    const quint8 volume = image.cell(19, 8);
    QTest::keyClicks(control<QComboBox>("Combo_Volume"), "9");
    QCOMPARE(image.cell(19, 8), volume);
}

void FeatureWindowTest::priorityChannelBox()
{
    RadioImage& image = program_->state.image;
    image.setCell(22, 0, 1);  // mode Fixed
    open("Scan_edit");
    auto* box = control<QLineEdit>("Text_prich");
    QVERIFY(box->isEnabled());
    QTest::keyClicks(box, "1");
    QCOMPARE(image.cell(22, 1), 1);
    QTest::keyClicks(box, "7");  // 17 is no channel: message, box emptied, cell kept
    QCOMPARE(prompts_->prompts().size(), 1);
    QCOMPARE(box->text(), QString());
    QCOMPARE(image.cell(22, 1), 1);
    QTest::keyClicks(box, "0");
    QCOMPARE(prompts_->prompts().size(), 2);
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, "123");  // a third digit is refused
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(image.cell(22, 1), 12);
    control<QComboBox>("Combo_pri")->setCurrentText("None");
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->text(), QString());
    QCOMPARE(image.cell(22, 1), 12);
}

void FeatureWindowTest::inputMethodText_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("priority channel") << "Scan_edit" << "Text_prich" << "１a2" << "12";
    QTest::newRow("message 1") << "Message_edit" << "Text_MS1" << "A中 B\x7f" << "A B";
    QTest::newRow("message 2") << "Message_edit" << "Text_MS2" << "ＯＫ" << "OK";
    QTest::newRow("volume list") << "Optional_edit" << "Combo_Volume" << "9" << "1";
}

void FeatureWindowTest::inputMethodText()
{
    QFETCH(QString, command);
    QFETCH(QString, box);
    QFETCH(QString, committed);
    QFETCH(QString, expected);
    program_->state.image.setCell(22, 0, 1);
    program_->state.image.setCell(19, 8, 0);
    open(qPrintable(command));
    QWidget* target = control<>(qPrintable(box));
    target->setFocus();
    commitText(target, committed);
    QCOMPARE(shown(target), expected);
}

void FeatureWindowTest::clickCell(int line, int column)
{
    auto* grid = control<QTableWidget>("MSF_chann");
    const QModelIndex index = grid->model()->index(line - 1, column);
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void FeatureWindowTest::testFrequencyCommits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("texts");  // receive, transmit of line 3
    QTest::addColumn<Bytes>("stored");       // 0x290 to 0x297
    QTest::addColumn<QString>("message");
    const Bytes blank(8, 0xFF);
    QTest::newRow("in band") << 1 << "145.5" << QStringList{"145.50000", "145.50000"}
                             << Bytes{0, 0, 0x55, 0x14, 0, 0, 0x55, 0x14} << "";
    QTest::newRow("finer than 10 Hz") << 1 << "145.1234567" << QStringList{"145.12345", "145.12345"}
                                      << Bytes{0x45, 0x23, 0x51, 0x14, 0x45, 0x23, 0x51, 0x14} << "";
    QTest::newRow("below band") << 1 << "100" << QStringList{"136.00000", ""}
                                << Bytes{0, 0, 0x60, 0x13, 0xFF, 0xFF, 0xFF, 0xFF}
                                << "Over the range of receive frequency .";
    QTest::newRow("not one number") << 1 << "145.5.3" << QStringList{"136.00000", ""}
                                    << Bytes{0, 0, 0x60, 0x13, 0xFF, 0xFF, 0xFF, 0xFF}
                                    << "Over the range of receive frequency .";
    QTest::newRow("transmit first") << 2 << "150" << QStringList{"", ""} << blank
                                    << "Please input the receive frequency in advance.";
}

void FeatureWindowTest::testFrequencyCommits()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QStringList, texts);
    QFETCH(Bytes, stored);
    QFETCH(QString, message);
    open("Test_edit");
    auto* grid = control<QTableWidget>("MSF_chann");
    clickCell(3, column);
    QTest::keyClicks(control<QLineEdit>("Text_Edit"), typed);
    clickCell(5, 0);  // leaving the cell commits it
    QCOMPARE(prompts_->lastText(), message);
    QCOMPARE((QStringList{grid->item(2, 1)->text(), grid->item(2, 2)->text()}), texts);
    QCOMPARE(cells(program_->state.image, 41, 0, 8), stored);

    // An edit still open when the window closes is kept.
    clickCell(16, 1);
    QTest::keyClicks(control<QLineEdit>("Text_Edit"), "150");
    control<QPushButton>("Command_close")->click();
    QCOMPARE(cells(program_->state.image, 47, 8, 4), (Bytes{0, 0, 0, 0x15}));
}

void FeatureWindowTest::messageLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Bytes>("stored");  // the line's 32 bytes, 0xFF fill left out
    QTest::addColumn<QString>("shown");  // after the window is shown again
    QTest::newRow("HELLO") << 1 << "HELLO" << Bytes{0x48, 0x45, 0x4C, 0x4C, 0x4F} << "HELLO";
    QTest::newRow("20 across rows") << 2 << "ABCDEFGHIJKLMNOPQRST"
                                    << Bytes{65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                                             81, 82, 83, 84}
                                    << "ABCDEFGHIJKLMNOPQRST";
    QTest::newRow("trimmed") << 1 << " AB " << Bytes{0x41, 0x42} << "AB";
    QTest::newRow("inner space") << 1 << "AB CD" << Bytes{0x41, 0x42, 0x20, 0x43, 0x44} << "AB CD";
    QTest::newRow("33 keys") << 2 << QString(33, 'Z') << Bytes(32, 'Z') << QString(32, 'Z');
}

void FeatureWindowTest::messageLines()
{
    QFETCH(int, line);
    QFETCH(QString, typed);
    QFETCH(Bytes, stored);
    QFETCH(QString, shown);
    open("Message_edit");
    auto* box = control<QLineEdit>(line == 1 ? "Text_MS1" : "Text_MS2");
    QTest::keyClicks(box, typed);
    const int row = line == 1 ? 48 : 50;
    Bytes expected = stored;
    while (expected.size() < 32)
        expected << 0xFF;
    QCOMPARE(cells(program_->state.image, row, 0, 16) + cells(program_->state.image, row + 1, 0, 16), expected);
    window_->activated();
    QCOMPARE(box->text(), shown);
}

void FeatureWindowTest::activationRedraws_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Bytes>("values");
    QTest::addColumn<QString>("text");
    QTest::newRow("options") << "Optional_edit" << "Combo_Sql" << 19 << 1 << Bytes{7} << "7";
    QTest::newRow("keys") << "key_edit" << "Combo_pf1" << 17 << 13 << Bytes{4} << "Monitor";
    QTest::newRow("scan") << "Scan_edit" << "Combo_BA" << 22 << 2 << Bytes{2} << "0.55";
    QTest::newRow("test frequency") << "Test_edit" << "MSF_chann" << 40 << 0 << Bytes{0, 0, 0x55, 0x14}
                                    << "145.50000";
    QTest::newRow("message") << "Message_edit" << "Text_MS1" << 48 << 0 << Bytes{'Q'} << "Q";
}

void FeatureWindowTest::activationRedraws()
{
    QFETCH(QString, command);
    QFETCH(QString, widget);
    QFETCH(int, row);
    QFETCH(int, cell);
    QFETCH(Bytes, values);
    QFETCH(QString, text);
    open(qPrintable(command));
    ChildWindow* window = window_;
    QMdiSubWindow* feature = program_->frame.workspace()->activeSubWindow();
    open("Prog_read");  // a read lands in the image while another window is active
    for (int i = 0; i < values.size(); ++i)
        program_->state.image.setCell(row, cell + i, quint8(values[i]));
    program_->frame.workspace()->setActiveSubWindow(feature);
    window_ = window;
    QWidget* shownBy = this->control<>(qPrintable(widget));
    if (auto* grid = qobject_cast<QTableWidget*>(shownBy))
        QCOMPARE(grid->item(0, 1)->text(), text);
    else
        QCOMPARE(shown(shownBy), text);
}

void FeatureWindowTest::writeAndReadBackWithTheVirtualRadio()
{
    if (qEnvironmentVariableIsEmpty("R5SIM"))
        QSKIP("R5SIM names no virtual radio");
    QTemporaryDir folder;
    VirtualRadioProcess radio(folder.path(), QByteArray(RadioImage::kSize, char(0xFF)), true);
    QVERIFY(radio.waitUntilUp());
    program_ = std::make_unique<TestProgram>(QList<SystemPort>{SystemPort{radio.link(), "", "", false, true}},
                                             MDImain::Options{false, false}, TestProgram::Link::Real);
    program_->startUp();
    program_->state.selectModel(kVhfModel);

    open("Optional_edit");
    control<QComboBox>("Combo_Voice")->setCurrentIndex(2);
    open("key_edit");
    control<QComboBox>("Combo_pf1")->setCurrentIndex(6);
    open("Scan_edit");
    control<QComboBox>("Combo_RYC")->setCurrentIndex(120);
    open("Test_edit");
    clickCell(1, 1);
    QTest::keyClicks(control<QLineEdit>("Text_Edit"), "145.5");
    clickCell(2, 0);
    open("Message_edit");
    QTest::keyClicks(control<QLineEdit>("Text_MS1"), "HELLO");
    const QByteArray written = program_->state.image.toBytes();

    // Write, forget the settings, and read them back from the radio.
    for (const auto& [command, button] : {std::pair{"Prog_write", "Command_Write"}, {"Prog_read", "Command_read"}}) {
        if (qstrcmp(command, "Prog_read") == 0)
            for (int a = 0x110; a < 0x310; ++a)
                program_->state.image.setAt(a, 0);
        QPointer<ChildWindow> transfer = open(command);
        control<QPushButton>(button)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!transfer, 20000);
    }
    QCOMPARE(prompts_->prompts().size(), 2);
    const QByteArray read = program_->state.image.toBytes();
    for (int row : {17, 19, 22, 40, 48})
        QCOMPARE(read.mid(row * 16, 16).toHex(' '), written.mid(row * 16, 16).toHex(' '));
}

QTEST_MAIN(FeatureWindowTest)
#include "tst_feature_windows.moc"
