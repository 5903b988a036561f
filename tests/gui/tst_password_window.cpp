// The password window: its boxes whatever way text arrives, the checks before
// anything is sent, and the change itself against the virtual radio r5sim.
#include "app/password_window.h"
#include "gui/program_helpers.h"
#include "gui/prompt_helpers.h"
#include "gui/radio_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

constexpr int kRecord = 0x3A0;

QLineEdit* box(QWidget* window, const QString& name) { return window->findChild<QLineEdit*>(name); }
void click(QWidget* window, const char* name) { window->findChild<QPushButton*>(name)->click(); }

void fill(QWidget* window, const QString& old, const QString& new1, const QString& new2)
{
    box(window, "Text_Old_PassWord")->setText(old);
    box(window, "Text_New_Password_1")->setText(new1);
    box(window, "Text_New_PassWord_2")->setText(new2);
}

} // namespace

class PasswordWindowTest : public QObject {
    Q_OBJECT
private slots:
    void boxesKeepSixOneByteCharacters_data();
    void boxesKeepSixOneByteCharacters();
    void mismatchSendsNothing();
    void busyRefusesCloseUntilTheAttemptFails();
    void changeOnTheVirtualRadio_data();
    void changeOnTheVirtualRadio();
};

void PasswordWindowTest::boxesKeepSixOneByteCharacters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    QTest::newRow("seventh key dropped") << "Text_Old_PassWord" << "keys" << "abcdefg" << "abcdef";
    QTest::newRow("input method, full width") << "Text_New_Password_1" << "ime" << "１２３４５６７" << "123456";
    QTest::newRow("paste without Chinese") << "Text_New_PassWord_2" << "paste" << "密码a b" << "a b";
}

void PasswordWindowTest::boxesKeepSixOneByteCharacters()
{
    QFETCH(QString, box);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    TestProgram program({}, MDImain::Options{false, false});
    program.startUp();
    QVERIFY(program.frame.menuItem("PC_PassWord")->isVisible());
    program.frame.menuItem("PC_PassWord")->trigger();
    ChildWindow* window = program.frame.child("Form_Write_PassWord");
    QLineEdit* edit = ::box(window, box);
    if (how == "keys") {
        QTest::keyClicks(edit, input);
    } else if (how == "ime") {
        QInputMethodEvent event;
        event.setCommitString(input);
        QApplication::sendEvent(edit, &event);
    } else {
        QApplication::clipboard()->setText(input);
        edit->paste();
    }
    QCOMPARE(edit->text(), kept);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), kept.chopped(1));
}

void PasswordWindowTest::mismatchSendsNothing()
{
    TestProgram program(eightBuiltInPorts(), MDImain::Options{false, false}, TestProgram::Link::Fake,
                        {builtInDevice(1)});
    program.startUp();
    program.frame.menuItem("PC_PassWord")->trigger();
    ChildWindow* window = program.frame.child("Form_Write_PassWord");
    PromptCatcher prompts;
    fill(window, "", "1234", "1235");
    click(window, "Command_Write");
    QCOMPARE(prompts.lastText(), QString("Password is not consistent ."));
    program.clock.advance(10000);
    QVERIFY(program.fakePorts.written.isEmpty());
}

void PasswordWindowTest::busyRefusesCloseUntilTheAttemptFails()
{
    TestProgram program(eightBuiltInPorts(), MDImain::Options{false, false}, TestProgram::Link::Fake,
                        {builtInDevice(1)});
    program.startUp();
    program.frame.menuItem("PC_PassWord")->trigger();
    QPointer<ChildWindow> window = program.frame.child("Form_Write_PassWord");
    PromptCatcher prompts;
    click(window, "Command_Write");
    click(window, "Command_Cancel");
    QCOMPARE(prompts.lastText(), QString("Read-write operating，don't close the window. ,"));
    QVERIFY(window);
    program.clock.advance(10000);  // one attempt, no retry
    QTRY_COMPARE(prompts.lastText(), QString("Fail connect with transceiver."));
    QCOMPARE(program.fakePorts.openPorts, 0);
    click(window, "Command_Cancel");
    QTRY_VERIFY(!window);
}

void PasswordWindowTest::changeOnTheVirtualRadio_data()
{
    QTest::addColumn<QString>("stored");  // empty: no password set
    QTest::addColumn<QString>("typedOld");
    QTest::addColumn<bool>("changed");
    QTest::newRow("right") << "1234" << "1234" << true;
    QTest::newRow("wrong") << "1234" << "4321" << false;
    QTest::newRow("none set, any old") << "" << "xyz" << true;
}

void PasswordWindowTest::changeOnTheVirtualRadio()
{
    QFETCH(QString, stored);
    QFETCH(QString, typedOld);
    QFETCH(bool, changed);
    if (qEnvironmentVariableIsEmpty("R5SIM"))
        QSKIP("R5SIM names no virtual radio");
    QTemporaryDir folder;
    QByteArray memory(1024, '\x5A');
    memory.replace(kRecord, 16, QByteArray("      ") + QByteArray::fromHex("00112233445566778899"));
    SimRadio radio(folder.path(), memory, stored.isEmpty() ? QStringList{} : QStringList{"--password", stored});
    QVERIFY(radio.waitUntilUp());
    TestProgram program({SystemPort{radio.link(), "", "", false, true}}, MDImain::Options{false, false},
                        TestProgram::Link::Real);
    program.startUp();
    program.frame.menuItem("PC_PassWord")->trigger();
    QPointer<ChildWindow> window = program.frame.child("Form_Write_PassWord");
    PromptCatcher prompts;
    fill(window, typedOld, "ab9", "ab9");
    click(window, "Command_Write");
    QTRY_VERIFY_WITH_TIMEOUT(!prompts.empty(), 10000);
    QCOMPARE(prompts.lastText(), changed ? QString("PassWord Modify Success ! ") : QString("Old PassWord Error, Writeing Stop"));
    QCOMPARE(prompts.prompts().last().title, QString("Operate Prompt"));
    QTRY_COMPARE(window.isNull(), changed);
    const QByteArray after = radio.stop();
    QCOMPARE(after.mid(kRecord, 6), changed ? QByteArray("ab9   ") : stored.leftJustified(6).toLatin1());
    QCOMPARE(after.mid(kRecord + 6, 10), memory.mid(kRecord + 6, 10));
}

QTEST_MAIN(PasswordWindowTest)
#include "tst_password_window.moc"
