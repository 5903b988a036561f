// The password and factory adjustment windows: their boxes whatever way text
// arrives, one row per edit rule, the busy and give-up paths on a silent line,
// the exchanges against the radio's side on the virtual clock, and the
// adjustment pickers' requests on the poll.
#include "files/adjust_file.h"
#include "files/channel_file.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/widget_helpers.h"
#include "link/protocol.h"
#include "model/tuning_block.h"
#include "virtual_radio.h"
#include "windows/file_picker_window.h"

using namespace r5;
using namespace r5::test;

namespace {

enum Window { kPassword, kAdjust };

// The program in English, started with --factory, with one window opened from
// its menu; COM1 stays silent unless the radio's side is put on it.
struct Opened : TestProgram {
    explicit Opened(Window w)
        : TestProgram(eightBuiltInPorts(), MainWindow::Options{Language::English, true}, Link::Fake, {builtInDevice(1)})
    {
        startUp();
        frame.menuItem(w == kPassword ? "PC_PassWord" : "Other")->trigger();
        window = frame.child(w == kPassword ? "Form_Write_PassWord" : "frm_Adj_Txp");
    }
    template <typename T = QLineEdit>
    T* get(const QString& name) const { return window->findChild<T*>(name); }
    void click(const QString& name) const { get<QPushButton>(name)->click(); }
    void tab(int t) const { get<QTabBar>("TabStrip1")->setCurrentIndex(t); }
    void modify(const QString& old, const QString& new1, const QString& new2) const
    {
        get("Text_Old_PassWord")->setText(old);
        get("Text_New_Password_1")->setText(new1);
        get("Text_New_PassWord_2")->setText(new2);
        click("Command_Write");
    }

    void answerWithRadio()
    {
        fakePorts.radio = [this](const QByteArray& command) { return radio.answer(command).bytes; };
    }

    QPointer<ChildWindow> window;
    sim::VirtualRadio radio;
};

AdjustImage patterned(int seed)
{
    AdjustImage adjust;
    for (int i = 0; i < AdjustImage::kSize; ++i)
        adjust.setAt(i, quint8(i * seed + 1));
    return adjust;
}

} // namespace

class LinkWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Six one-byte characters whatever way they come; the checks before and while talking.
    void passwordBoxesAndChecks()
    {
        Opened p(kPassword);
        QTest::keyClicks(p.get("Text_Old_PassWord"), "abcdefg");
        QTest::keyClick(p.get("Text_Old_PassWord"), Qt::Key_Home);
        QTest::keyClicks(p.get("Text_Old_PassWord"), "z");  // a full box takes no key, wherever the cursor
        QCOMPARE(p.get("Text_Old_PassWord")->text(), QString("abcdef"));
        commitText(p.get("Text_New_PassWord_2"), QString::fromUtf8("１２密３４５６７"));
        QCOMPARE(p.get("Text_New_PassWord_2")->text(), QString("123456"));  // filtered, then cut to six
        QApplication::clipboard()->setText(QString::fromUtf8("密码a b"));
        p.get("Text_New_Password_1")->paste();
        QCOMPARE(p.get("Text_New_Password_1")->text(), QString("a b"));

        PromptCatcher prompts;
        p.modify("", "1234", "1235");
        QCOMPARE(prompts.lastText(), QString("Password is not consistent ."));
        p.clock.advance(10000);
        QVERIFY(p.fakePorts.written.isEmpty());
        p.modify("", "1234", "1234");
        p.click("Command_Cancel");
        QCOMPARE(prompts.lastText(), QString("Read-write operating，don't close the window. ,"));
        p.clock.advance(10000);  // a single attempt
        QTRY_COMPARE(prompts.lastText(), QString("Fail connect with transceiver."));
        p.click("Command_Cancel");
        QTRY_VERIFY(!p.window);
    }

    void passwordChangeOnTheRadio()
    {
        const struct {
            const char *fault, *says;
            bool closes;
        } rows[] = {{"", "PassWord Modify Success ! ", true},
                    // Stored, but answered with 15: the window cannot claim the change.
                    {"wrong-ack:2", "Fail connect with transceiver.\nThe radio did not confirm the new password: "
                     "it may hold the old one or the new one.", false}};
        for (const auto& r : rows) {
            Opened p(kPassword);
            p.answerWithRadio();
            p.radio.setPassword("1234");
            if (*r.fault)
                p.radio.setFault(*sim::parseFault(r.fault));
            PromptCatcher prompts;
            p.modify("1234", "ab9", "ab9");
            p.clock.advance(60000);
            QTRY_COMPARE(prompts.lastText(), QString(r.says));
            QTRY_COMPARE(p.window.isNull(), r.closes);
            QCOMPARE(p.radio.bytes(protocol::kPasswordBlockAddress, protocol::kPasswordLength), QByteArray("ab9   "));
        }
    }

    void numberBoxes()
    {
        const struct {
            int tab;
            const char *box, *typed;
            int row, cell, stored;  // stored -1: the factory default
            const char* message;
        } rows[] = {{0, "Text_TXP_UHF1_3", "２００", 2, 3, 200, ""},
                    {2, "Text_Sq_Offset_VHF_95", "1a", 14, 15, -1, " 输入数字范围为 0 - 10 ！"}};
        for (const auto& r : rows) {
            Opened f(kAdjust);
            f.state.adjust.setCell(r.row, r.cell, 77);
            f.tab(4);
            f.tab(r.tab);
            QCOMPARE(f.get(r.box)->text(), QString("77"));
            PromptCatcher prompts;
            f.get(r.box)->clear();
            commitText(f.get(r.box), QString::fromUtf8(r.typed));
            const int expected = r.stored < 0 ? defaultAdjustImage().cell(r.row, r.cell) : r.stored;
            QCOMPARE(f.state.adjust.cell(r.row, r.cell), expected);
            QCOMPARE(f.get(r.box)->text(), QString::number(expected));
            QTRY_COMPARE(prompts.lastText(), QString::fromUtf8(r.message));
        }
    }

    void rangesListsTicksPasswordsAndGiveUp()
    {
        Opened f(kAdjust);
        f.state.adjust.setCell(16, 0, 5);
        f.tab(3);
        QCOMPARE(f.get<QComboBox>("Combo_Mod_0")->currentText(), QString("5"));
        QTest::keyClick(f.get<QComboBox>("Combo_Mod_0"), Qt::Key_Down);
        QCOMPARE(f.state.adjust.cell(16, 0), 6);
        QTest::keyClicks(f.get<QComboBox>("Combo_Txp_0"), "3");  // typing is ignored
        QCOMPARE(f.state.adjust.cell(17, 0), defaultAdjustImage().cell(17, 0));
        f.tab(4);
        PromptCatcher prompts;
        f.get("Text_Freq_L_2")->setText("450");
        f.get("Text_Freq_H_2")->setText("430");
        commitText(f.get("Text_Freq_H_2"), "x");  // digits only, whatever way they come
        QCOMPARE(f.get("Text_Freq_H_2")->text(), QString("430"));
        QTest::keyClick(f.get("Text_Freq_H_2"), Qt::Key_Return);
        QCOMPARE(f.get("Text_Freq_H_2")->text(), QString("520"));  // put back to the bound and stored with it
        QCOMPARE(f.state.adjust.toBytes().mid(26 * 16, 6), QByteArray::fromHex("040500050200"));
        QTRY_COMPARE(prompts.lastText(),
                     QString("Receive frequency of lower limit can't more than receive frequency of upper limit."));
        f.get<QCheckBox>("Check_Tx_3")->click();
        QCOMPARE(f.state.adjust.cell(27, 7), f.get<QCheckBox>("Check_Tx_3")->isChecked() ? 1 : 0);
        f.get("Text_Super_PassWord")->clear();
        commitText(f.get("Text_Super_PassWord"), QString::fromUtf8("密a*bcd123"));
        QCOMPARE(f.state.adjust.toBytes().mid(31 * 16 + 6, 6), QByteArray("ABCD12"));
        // A silent line: four attempts, then the status bar says it, no message box.
        prompts.clear();
        f.click("Command_Write");
        f.clock.advance(60000);
        QTRY_COMPARE(f.frame.panelText(2), QString("Communication fault."));
        QTest::qWait(20);
        QVERIFY(prompts.empty());
    }

    void readWriteAndDefaultOnTheRadio()
    {
        Opened f(kAdjust);
        f.answerWithRadio();
        f.radio.setAdjust(patterned(7).toBytes());
        PromptCatcher prompts;
        f.click("Command_read");
        f.click("Command_close");
        QCOMPARE(prompts.lastText(), QString("Read-write operating，don't close the window.,"));
        f.clock.advance(60000);
        QTRY_COMPARE(prompts.lastText(), QString("Complete reading the data from transceiver."));
        QVERIFY(f.state.adjust == patterned(7));
        QCOMPARE(f.get("Text_SQ_VHF_0")->text(), QString::number(patterned(7).cell(8, 0)));

        f.state.adjust = patterned(3);
        f.click("Command_Write");
        f.clock.advance(60000);
        QTRY_COMPARE(prompts.lastText(), QString("Complete writing optional parameters to the transceiver."));
        f.click("Command_def");
        QVERIFY(f.state.adjust == defaultAdjustImage());
        QCOMPARE(f.get("Text_SQ_VHF_0")->text(), QString::number(defaultAdjustImage().cell(8, 0)));
    }

    void pickersHandTheirRequestsToThePoll()
    {
        QTemporaryDir folder;
        QVERIFY(!writeFileAtomically(folder.filePath("c.adj"), channelFileText(RadioImage())));
        Opened f(kAdjust);
        f.tab(4);
        PromptCatcher prompts;
        const auto confirm = [&](const char* button, const char* picker, const char* name) {
            f.click(button);
            auto* window = qobject_cast<FilePickerWindow*>(f.frame.child(picker));
            window->setDirectory(folder.path());
            window->findChild<QLineEdit*>("Text1")->setText(name);
            window->findChild<QPushButton*>("Command_enter")->click();
            f.clock.advance(500);  // one poll
        };
        f.state.adjust = patterned(5);
        confirm("Command_save", "Form_save_adj", "a.adj");
        QTRY_COMPARE(prompts.lastText(), QString("Complete storing optional parameters."));
        f.click("Command_def");
        confirm("Command_open", "Form_open_adj", "a.adj");
        QTRY_COMPARE(prompts.lastText(), QString("Succeed fold the optional parameters from file."));
        QVERIFY(f.state.adjust == patterned(5));
        QCOMPARE(f.get("Text_user_PassWord")->text(), tuning::passwordText(patterned(5), tuning::kUserPassword));
        confirm("Command_open", "Form_open_adj", "c.adj");  // a channel file
        QTRY_VERIFY2(prompts.lastText().contains("different kind of file"), qPrintable(prompts.lastText()));
        QVERIFY(f.state.adjust == patterned(5));
        f.click("Command_open");
        f.frame.menuItem("Other")->trigger();  // brings the window forward, picker and all
        QCOMPARE(f.frame.child("frm_Adj_Txp"), f.window.data());
        f.click("Command_close");  // the picker closes with the window
        QTRY_VERIFY(!f.frame.child("Form_open_adj"));
    }
};

QTEST_MAIN(LinkWindowTest)
#include "tst_password_and_adjust.moc"
