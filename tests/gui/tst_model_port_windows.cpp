// The model window and the port window.
#include "gui/program_helpers.h"
#include "model/defaults.h"
#include "windows/model_window.h"
#include "windows/port_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace r5;
using namespace r5::test;

namespace {

template <typename T>
T* control(ChildWindow* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

ChildWindow* openModelWindow(TestProgram& program)
{
    program.frame.menuItem("proc_type")->trigger();
    return program.frame.child("Form_type");
}

void choose(ChildWindow* window, int model)
{
    auto* combo = control<QComboBox>(window, "Combo_type");
    combo->setCurrentIndex(model);
    emit combo->activated(model);
}

} // namespace

class ModelPortWindowTest : public QObject {
    Q_OBJECT
private slots:
    void modelWindowCaptions_data();
    void modelWindowCaptions();
    void confirmingAModel_data();
    void confirmingAModel();
    void confirmingTheCurrentModelLeavesTheImage();
    void cancelChangesNothing();
    void typedLettersAreUndone();
    void portWindowShowsThePorts();
    void portWindowConfirmAndCancel_data();
    void portWindowConfirmAndCancel();
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
};

void ModelPortWindowTest::modelWindowCaptions_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QStringList>("texts");  // title, Label1, Label2, Command_enter, Command_Cancel
    QTest::newRow("Chinese") << true << QStringList{"机型选择", "机  型", "频  段", "确 定", "取 消"};
    QTest::newRow("English") << false << QStringList{"Model Select", "Model", "Band", "Confirm", "Cancel"};
}

void ModelPortWindowTest::modelWindowCaptions()
{
    QFETCH(bool, chinese);
    QFETCH(QStringList, texts);
    TestProgram program({}, MainWindow::Options{language, false});
    program.startUp();
    ChildWindow* window = openModelWindow(program);
    QCOMPARE(window->windowTitle(), texts[0]);
    QCOMPARE(control<QLabel>(window, "Label1")->text(), texts[1]);
    QCOMPARE(control<QLabel>(window, "Label2")->text(), texts[2]);
    QCOMPARE(control<QPushButton>(window, "Command_enter")->text(), texts[3]);
    QCOMPARE(control<QPushButton>(window, "Command_Cancel")->text(), texts[4]);
    auto* combo = control<QComboBox>(window, "Combo_type");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString("Sable-UHF"));
    QCOMPARE(control<QLabel>(window, "Label_band")->text(), QString(" 400 --  521"));
}

void ModelPortWindowTest::confirmingAModel_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("vhfChannels");
    QTest::newRow("Sable-VHF") << 0 << " 136 --  175" << " 136-- 174 MHZ" << 136.0 << 175.0 << true;
    QTest::newRow("Sable-FULL") << 2 << " 100 --  601" << " 100-- 600 MHZ" << 100.0 << 601.0 << false;
}

void ModelPortWindowTest::confirmingAModel()
{
    QFETCH(int, model);
    QFETCH(QString, label);
    QFETCH(QString, panel);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, vhfChannels);
    TestProgram program;
    program.startUp();
    program.state.image.setCell(1, 0, 0x12);  // an edit the model change replaces
    program.state.image.setCell(23, 14, 0x0F); // scan bits it keeps
    ChildWindow* window = openModelWindow(program);
    choose(window, model);
    QCOMPARE(control<QLabel>(window, "Label_band")->text(), label);
    QCOMPARE(program.state.currentModel, 1);  // nothing changes before Confirm
    control<QPushButton>(window, "Command_enter")->click();

    QCOMPARE(program.state.currentModel, model);
    QCOMPARE(program.state.bandLow, low);
    QCOMPARE(program.state.bandHigh, high);
    QCOMPARE(program.frame.panelText(7), panel);
    RadioImage expected = startUpImage(1);
    expected.setCell(23, 14, 0x0F);
    if (vhfChannels)
        buildVhfChannels(expected);
    QVERIFY(program.state.image == expected);
    QTRY_VERIFY(!program.frame.child("Form_type"));
}

void ModelPortWindowTest::confirmingTheCurrentModelLeavesTheImage()
{
    TestProgram program;
    program.startUp();
    program.state.image.setCell(1, 0, 0x12);
    program.state.bandHigh = 999;  // rewritten from the model table
    const RadioImage before = program.state.image;
    ChildWindow* window = openModelWindow(program);
    control<QPushButton>(window, "Command_enter")->click();
    QVERIFY(program.state.image == before);
    QCOMPARE(program.state.bandHigh, 521.0);
    QCOMPARE(program.frame.panelText(7), QString(" 400-- 520 MHZ"));
}

void ModelPortWindowTest::cancelChangesNothing()
{
    TestProgram program;
    program.startUp();
    const RadioImage before = program.state.image;
    ChildWindow* window = openModelWindow(program);
    choose(window, 0);
    control<QPushButton>(window, "Command_Cancel")->click();
    QCOMPARE(program.state.currentModel, 1);
    QCOMPARE(program.state.bandLow, 400.0);
    QCOMPARE(program.frame.panelText(7), QString(" 400-- 520 MHZ"));
    QVERIFY(program.state.image == before);
    QTRY_VERIFY(!program.frame.child("Form_type"));
}

void ModelPortWindowTest::typedLettersAreUndone()
{
    TestProgram program;
    program.startUp();
    ChildWindow* window = openModelWindow(program);
    choose(window, 2);
    QLineEdit* edit = control<QComboBox>(window, "Combo_type")->lineEdit();
    QTest::keyClicks(edit, "x");
    QCOMPARE(edit->text(), QString("Sable-FULL"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("Sable-FULL"));
    control<QPushButton>(window, "Command_enter")->click();
    QCOMPARE(program.state.currentModel, 2);
}

void ModelPortWindowTest::portWindowShowsThePorts()
{
    QList<SystemPort> ports = {{"/dev/ttyS0", "Built-in serial port", "", false, false},
                               {"/dev/ttyUSB0", "USB serial cable", "A1B2", true, false}};
    TestProgram program(ports, {}, TestProgram::Link::Fake, {"/dev/ttyUSB0"});
    program.startUp();
    const int usb = program.ports.comPortOf("/dev/ttyUSB0");
    QCOMPARE(program.state.comPort, usb);
    program.frame.menuItem("proc_setup")->trigger();
    ChildWindow* window = program.frame.child("Form_setup");
    QCOMPARE(window->windowTitle(), QString("端口设置"));
    for (int n = 1; n <= 8; ++n) {
        auto* option = control<QRadioButton>(window, qPrintable(QString("Option%1").arg(n)));
        QCOMPARE(option->text(), QString("COM%1").arg(n));
        QCOMPARE(option->isChecked(), n == usb);
        QVERIFY(option->isEnabled());  // a missing port is greyed, not disabled
        auto* device = control<QLabel>(window, qPrintable(QString("Label_device%1").arg(n)));
        if (program.ports.exists(n))
            QCOMPARE(device->text(), program.ports.device(n));
        else
            QCOMPARE(device->text(), QString("（无此端口）"));
    }
    QVERIFY(control<QRadioButton>(window, qPrintable(QString("Option%1").arg(usb)))->toolTip().contains("A1B2"));
}

void ModelPortWindowTest::portWindowConfirmAndCancel_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("comPort");
    QTest::newRow("confirm unchanged") << 3 << "Command_ok" << 3;
    QTest::newRow("confirm COM8") << 8 << "Command_ok" << 8;
    QTest::newRow("confirm a missing port") << 7 << "Command_ok" << 7;
    QTest::newRow("cancel") << 8 << "Command1" << 3;
}

void ModelPortWindowTest::portWindowConfirmAndCancel()
{
    QFETCH(int, choice);
    QFETCH(QString, button);
    QFETCH(int, comPort);
    TestProgram program(eightBuiltInPorts().mid(0, 6), MainWindow::Options{Language::English, false}, TestProgram::Link::Fake,
                        {builtInDevice(3)});
    program.startUp();
    QCOMPARE(program.state.comPort, 3);
    program.frame.menuItem("proc_setup")->trigger();
    ChildWindow* window = program.frame.child("Form_setup");
    QCOMPARE(control<QPushButton>(window, "Command_ok")->text(), QString("Confirm"));
    QCOMPARE(control<QPushButton>(window, "Command1")->text(), QString("取 消"));
    QVERIFY(control<QRadioButton>(window, "Option3")->isChecked());
    control<QRadioButton>(window, qPrintable(QString("Option%1").arg(choice)))->click();
    control<QPushButton>(window, qPrintable(button))->click();
    QCOMPARE(program.state.comPort, comPort);
    QCOMPARE(program.frame.panelText(3), "COM" + QString::number(comPort));
    QTRY_VERIFY(!program.frame.child("Form_setup"));
}

void ModelPortWindowTest::enterPressesTheDefaultButton_data()
{
    QTest::addColumn<QString>("focus");  // where Enter is pressed
    QTest::addColumn<int>("comPort");
    QTest::newRow("on a choice: Confirm") << "Option5" << 5;
    QTest::newRow("on Cancel: Cancel") << "Command1" << 3;
}

void ModelPortWindowTest::enterPressesTheDefaultButton()
{
    QFETCH(QString, focus);
    QFETCH(int, comPort);
    TestProgram program(eightBuiltInPorts(), {}, TestProgram::Link::Fake, {builtInDevice(3)});
    program.startUp();
    program.frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.frame));

    // The model window: Enter in the combo's field confirms the chosen model.
    ChildWindow* model = openModelWindow(program);
    choose(model, 0);
    QTest::keyClick(control<QComboBox>(model, "Combo_type")->lineEdit(), Qt::Key_Return);
    QCOMPARE(program.state.currentModel, 0);
    QTRY_VERIFY(!program.frame.child("Form_type"));

    // The port window: Enter presses Confirm, or the button that has the focus.
    program.frame.menuItem("proc_setup")->trigger();
    ChildWindow* window = program.frame.child("Form_setup");
    control<QRadioButton>(window, "Option5")->setChecked(true);
    QWidget* target = control<QWidget>(window, qPrintable(focus));
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(program.state.comPort, comPort);
    QTRY_VERIFY(!program.frame.child("Form_setup"));
}

QTEST_MAIN(ModelPortWindowTest)
#include "tst_model_port_windows.moc"
