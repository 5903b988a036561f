// The model window and the port window.
#include "app/model_window.h"
#include "app/port_window.h"
#include "gui/program_helpers.h"
#include "model/defaults.h"

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
    void confirmingAModel();
    void confirmingTheCurrentModelLeavesTheImage();
    void cancelChangesNothing();
    void typedLettersAreUndone();
    void portWindowShowsThePorts();
    void portWindowConfirmAndCancel();
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
};

void ModelPortWindowTest::confirmingAModel()
{
    TestProgram program;
    program.startUp();
    program.state.image.setCell(1, 0, 0x12);  // an edit the model change replaces
    program.state.image.setCell(23, 14, 0x0F); // scan bits it keeps
    ChildWindow* window = openModelWindow(program);
    auto* combo = control<QComboBox>(window, "Combo_type");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString("Sable-UHF"));
    choose(window, 0);
    QCOMPARE(control<QLabel>(window, "Label_band")->text(), QString(" 136 --  175"));
    QCOMPARE(program.state.CurrentModel, 1);  // nothing changes before Confirm
    control<QPushButton>(window, "Command_enter")->click();

    QCOMPARE(program.state.CurrentModel, 0);
    QCOMPARE(program.state.BandHigh, 175.0);
    QCOMPARE(program.frame.panelText(7), QString(" 136-- 174 MHZ"));
    RadioImage expected = startUpImage(0);
    expected.setCell(23, 14, 0x0F);
    QVERIFY(program.state.image == expected);
    QTRY_VERIFY(!program.frame.child("Form_type"));
}

void ModelPortWindowTest::confirmingTheCurrentModelLeavesTheImage()
{
    TestProgram program;
    program.startUp();
    program.state.image.setCell(1, 0, 0x12);
    program.state.BandHigh = 999;  // rewritten from the model table
    const RadioImage before = program.state.image;
    control<QPushButton>(openModelWindow(program), "Command_enter")->click();
    QVERIFY(program.state.image == before);
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
    QCOMPARE(program.state.CurrentModel, 1);
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
    QCOMPARE(program.state.CurrentModel, 2);
}

void ModelPortWindowTest::portWindowShowsThePorts()
{
    QList<SystemPort> ports = {{"/dev/ttyS0", "Built-in serial port", "", false, false},
                               {"/dev/ttyUSB0", "USB serial cable", "A1B2", true, false}};
    TestProgram program(ports, {}, TestProgram::Link::Fake, {"/dev/ttyUSB0"});
    program.startUp();
    const int usb = program.ports.comPortOf("/dev/ttyUSB0");
    QCOMPARE(program.state.ComPort, usb);
    program.frame.menuItem("proc_setup")->trigger();
    ChildWindow* window = program.frame.child("Form_setup");
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

void ModelPortWindowTest::portWindowConfirmAndCancel()
{
    // COM7 has no device behind it and is still taken; Cancel keeps COM3.
    for (const auto& [button, comPort] : {std::pair{"Command_ok", 7}, std::pair{"Command1", 3}}) {
        TestProgram program(eightBuiltInPorts().mid(0, 6), {}, TestProgram::Link::Fake, {builtInDevice(3)});
        program.startUp();
        program.frame.menuItem("proc_setup")->trigger();
        ChildWindow* window = program.frame.child("Form_setup");
        QVERIFY(control<QRadioButton>(window, "Option3")->isChecked());
        control<QRadioButton>(window, "Option7")->click();
        control<QPushButton>(window, button)->click();
        QCOMPARE(program.state.ComPort, comPort);
        QCOMPARE(program.frame.panelText(3), "COM" + QString::number(comPort));
        QTRY_VERIFY(!program.frame.child("Form_setup"));
    }
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
    QCOMPARE(program.state.CurrentModel, 0);
    QTRY_VERIFY(!program.frame.child("Form_type"));

    // The port window: Enter presses Confirm, or the button that has the focus.
    program.frame.menuItem("proc_setup")->trigger();
    ChildWindow* window = program.frame.child("Form_setup");
    control<QRadioButton>(window, "Option5")->setChecked(true);
    QWidget* target = control<QWidget>(window, qPrintable(focus));
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(program.state.ComPort, comPort);
    QTRY_VERIFY(!program.frame.child("Form_setup"));
}

QTEST_MAIN(ModelPortWindowTest)
#include "tst_model_port_windows.moc"
