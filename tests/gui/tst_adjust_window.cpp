// The factory adjustment window: one row per edit rule, the tuning block read
// and written through the window against r5sim, the give-up, and the pickers'
// requests on the poll.
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/radio_helpers.h"
#include "app/file_picker_window.h"
#include "files/adjust_file.h"
#include "model/tuning_block.h"
#include "model/defaults.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

// The program started with --factory and the adjustment window open.
struct Factory {
    explicit Factory(const QList<SystemPort>& ports = eightBuiltInPorts(),
                     TestProgram::Link link = TestProgram::Link::Fake)
        : program(ports, MDImain::Options{false, true}, link, {builtInDevice(1)})
    {
        program.startUp();
        program.frame.menuItem("Other")->trigger();
        window = program.frame.child("frm_Adj_Txp");
    }
    template <typename T = QLineEdit>
    T* get(const QString& name) const { return window->findChild<T*>(name); }
    void click(const QString& name) const { get<QPushButton>(name)->click(); }
    void tab(int t) const { get<QTabBar>("TabStrip1")->setCurrentIndex(t); }

    TestProgram program;
    QPointer<ChildWindow> window;
};

// Text as an input method commits it.
void commit(QWidget* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

AdjustImage patterned(int seed)
{
    AdjustImage adjust;
    for (int i = 0; i < AdjustImage::kSize; ++i)
        adjust.setAt(i, quint8(i * seed + 1));
    return adjust;
}

} // namespace

class AdjustWindowTest : public QObject {
    Q_OBJECT
private slots:
    void numberBoxes_data();
    void numberBoxes();
    void rangeBoxes_data();
    void rangeBoxes();
    void listsTicksAndPasswords();
    void readWriteAndDefaultOnTheVirtualRadio();
    void giveUpShowsInTheStatusBar();
    void pickersHandTheirRequestsToThePoll();
};

void AdjustWindowTest::numberBoxes_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");  // committed by an input method
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("stored");     // -1: the factory default
    QTest::addColumn<QString>("message");
    QTest::newRow("high power") << 0 << "Text_TXP_UHF1_3" << "２００" << 2 << 3 << 200 << "";
    QTest::newRow("low power, not a byte") << 1 << "Text_TXP_VHF_0" << "256" << 4 << 0 << -1 << " 输入数字范围为 0 - 255 ！";
    QTest::newRow("squelch level 0") << 2 << "Text_SQ_VHF_0" << "１２" << 8 << 0 << 12 << "";
    QTest::newRow("squelch level range") << 2 << "Text_SQ_VHF_9" << "150" << 8 << 9 << -1 << " 输入数字范围为 0 - 100 ！";
    QTest::newRow("offset character") << 2 << "Text_Sq_Offset_VHF_95" << "1a" << 14 << 15 << -1 << " 输入数字范围为 0 - 10 ！";
}

void AdjustWindowTest::numberBoxes()
{
    QFETCH(int, tab);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(int, cell);
    QFETCH(int, stored);
    QFETCH(QString, message);
    Factory f;
    f.program.state.adjust.setCell(row, cell, 77);
    f.tab(4);
    f.tab(tab);
    QCOMPARE(f.get(box)->text(), QString("77"));
    PromptCatcher prompts;
    f.get(box)->clear();
    commit(f.get(box), typed);
    const int expected = stored < 0 ? DefaultAdjustTable().cell(row, cell) : stored;
    QCOMPARE(f.program.state.adjust.cell(row, cell), expected);
    QCOMPARE(f.get(box)->text(), QString::number(expected));
    QTRY_COMPARE(prompts.lastText(), message);
    if (!message.isEmpty())
        QCOMPARE(prompts.prompts().last().title, QString("操作提示"));
}

void AdjustWindowTest::rangeBoxes_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<bool>("leaveHigh");
    QTest::addColumn<QString>("shown");    // what the box left shows then
    QTest::addColumn<QByteArray>("row26");
    QTest::addColumn<QString>("message");
    const QByteArray stored = QByteArray::fromHex("040000040800");  // 400 to 480, the defaults
    QTest::newRow("accepted") << "430" << "450" << true << "450" << QByteArray::fromHex("040300040500") << "";
    QTest::newRow("upper below lower") << "450" << "430" << true << "520" << QByteArray::fromHex("040500050200")
        << "Receive frequency of lower limit can't more than receive frequency of upper limit.";
    QTest::newRow("lower below band") << "399" << "480" << false << "400" << stored
        << "Receive frequency of lower limit can't less than the lowest of work frequency. ";
}

void AdjustWindowTest::rangeBoxes()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(bool, leaveHigh);
    QFETCH(QString, shown);
    QFETCH(QByteArray, row26);
    QFETCH(QString, message);
    Factory f;
    f.tab(4);
    PromptCatcher prompts;
    f.get("Text_Freq_L_2")->setText(low);
    f.get("Text_Freq_H_2")->setText(high);
    QLineEdit* left = f.get(leaveHigh ? "Text_Freq_H_2" : "Text_Freq_L_2");
    QTest::keyClicks(left, "x");  // refused: digits only
    QTest::keyClick(left, Qt::Key_Return);
    QCOMPARE(left->text(), shown);
    QCOMPARE(f.program.state.adjust.toBytes().mid(26 * 16, 6), row26);
    QTRY_COMPARE(prompts.lastText(), message);
}

void AdjustWindowTest::listsTicksAndPasswords()
{
    Factory f;
    f.program.state.adjust.setCell(16, 0, 5);
    f.tab(3);
    QCOMPARE(f.get<QComboBox>("Combo_Mod_0")->currentText(), QString("5"));
    QTest::keyClick(f.get<QComboBox>("Combo_Mod_0"), Qt::Key_Down);
    QCOMPARE(f.program.state.adjust.cell(16, 0), 6);
    QTest::keyClicks(f.get<QComboBox>("Combo_Txp_0"), "3");  // typing is ignored
    QCOMPARE(f.program.state.adjust.cell(17, 0), DefaultAdjustTable().cell(17, 0));
    f.tab(4);
    f.get<QCheckBox>("Check_Tx_3")->click();
    QCOMPARE(f.program.state.adjust.cell(27, 7), f.get<QCheckBox>("Check_Tx_3")->isChecked() ? 1 : 0);
    f.get("Text_Super_PassWord")->clear();
    commit(f.get("Text_Super_PassWord"), QString::fromUtf8("密a*bcd"));
    QCOMPARE(f.program.state.adjust.toBytes().mid(31 * 16 + 6, 6), QByteArray(" ABCD "));
}

void AdjustWindowTest::readWriteAndDefaultOnTheVirtualRadio()
{
    if (qEnvironmentVariableIsEmpty("R5SIM"))
        QSKIP("R5SIM names no virtual radio");
    QTemporaryDir folder;
    const AdjustImage inRadio = patterned(7);
    QVERIFY(!saveAdjustFile(inRadio, folder.filePath("radio.adj")));
    SimRadio radio(folder.path(), QByteArray(1024, 0), {"--adjust", folder.filePath("radio.adj")});
    QVERIFY(radio.waitUntilUp());
    Factory f({SystemPort{radio.link(), "", "", false, true}}, TestProgram::Link::Real);
    PromptCatcher prompts;
    f.click("Command_read");
    f.click("Command_close");
    QCOMPARE(prompts.lastText(), QString("Read-write operating，don't close the window.,"));
    f.click("Command_def");
    QCOMPARE(prompts.lastText(), QString("Read-write operating with transceiver ."));
    QTRY_COMPARE_WITH_TIMEOUT(prompts.lastText(), QString("Complete reading the data from transceiver."), 10000);
    QVERIFY(f.program.state.adjust == inRadio);
    QCOMPARE(f.get("Text_SQ_VHF_0")->text(), QString::number(inRadio.cell(8, 0)));
    QCOMPARE(f.get<QComboBox>("Combo_Txp_0")->currentText(), QString::number(inRadio.cell(17, 0)));

    f.program.state.adjust = patterned(3);
    f.click("Command_Write");
    QTRY_COMPARE_WITH_TIMEOUT(prompts.lastText(), QString("Complete writing optional parameters to the transceiver."), 10000);
    f.click("Command_def");
    QVERIFY(f.program.state.adjust == DefaultAdjustTable());
    QCOMPARE(f.get("Text_SQ_VHF_0")->text(), QString::number(DefaultAdjustTable().cell(8, 0)));
    f.click("Command_read");  // what the radio now holds
    QTRY_COMPARE_WITH_TIMEOUT(prompts.prompts().size(), 5, 10000);
    QVERIFY(f.program.state.adjust == patterned(3));
}

void AdjustWindowTest::giveUpShowsInTheStatusBar()
{
    Factory f;
    f.program.fakePorts.opened.clear();
    PromptCatcher prompts;
    f.click("Command_Write");
    f.program.clock.advance(60000);
    QCOMPARE(f.program.frame.panelText(2), QString("Communication fault."));
    QCOMPARE(f.program.fakePorts.opened.size(), 4);
    QTest::qWait(20);
    QVERIFY(prompts.empty());
}

void AdjustWindowTest::pickersHandTheirRequestsToThePoll()
{
    QTemporaryDir folder;
    Factory f;
    f.tab(4);
    PromptCatcher prompts;
    const auto confirm = [&](const char* button, const char* picker, const char* name) {
        f.click(button);
        auto* window = qobject_cast<FilePickerWindow*>(f.program.frame.child(picker));
        window->setDirectory(folder.path());
        window->findChild<QLineEdit*>("Text1")->setText(name);
        window->findChild<QPushButton*>("Command_enter")->click();
        f.program.clock.advance(500);
    };
    const AdjustImage saved = patterned(5);
    f.program.state.adjust = saved;
    confirm("Command_save", "Form_save_adj", "a.adj");
    QTRY_COMPARE(prompts.lastText(), QString("Complete storing optional parameters."));
    f.click("Command_def");
    confirm("Command_open", "Form_open_adj", "a.adj");
    QTRY_COMPARE(prompts.lastText(), QString("Succeed fold the optional parameters from file."));
    QVERIFY(f.program.state.adjust == saved);
    QCOMPARE(f.get("Text_Freq_L_1")->text(), QString::number(tuning::rangeLow(saved, 1)));
    QCOMPARE(f.get("Text_user_PassWord")->text(), tuning::passwordText(saved, tuning::kUserPassword));

    QFile bad(folder.filePath("b.adj"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("1 2 x") == 5);
    bad.close();
    confirm("Command_open", "Form_open_adj", "b.adj");
    QTRY_COMPARE(prompts.prompts().size(), 3);
    QVERIFY(prompts.lastText().contains("b.adj"));
    QVERIFY(f.program.state.adjust == saved);
    // The pickers close with the window.
    f.click("Command_open");
    f.click("Command_close");
    QTRY_VERIFY(!f.program.frame.child("Form_open_adj"));
    QVERIFY(!f.window);
}

QTEST_MAIN(AdjustWindowTest)
#include "tst_adjust_window.moc"
