// The model window and the port window, its details and its Test button (on a
// pseudo-terminal in the end-to-end tests).
#include "gui/program_helpers.h"
#include "gui/widget_helpers.h"
#include "model/defaults.h"
#include "windows/model_window.h"
#include "windows/port_window.h"

using namespace r5;
using namespace r5::test;

namespace {

ChildWindow* open(TestProgram& program, const char* command, const char* window)
{
    program.frame.menuItem(command)->trigger();
    return program.frame.child(window);
}

void choose(ChildWindow* window, int model)
{
    auto* combo = child<QComboBox>(window, "Combo_type");
    combo->setCurrentIndex(model);
    emit combo->activated(model);
}

// A device every user may open and nobody holds, whatever its name.
struct OpenFacts : PortFacts {
    QString usbIds(const QString&) const override { return "10c4:ea60"; }
    QString resolved(const QString& p) const override { return p; }
    QList<QPair<QString, QString>> stableNames() const override { return {}; }
    DeviceFile deviceFile(const QString&) const override { return {true, true, "root", "dialout", true, true, true}; }
    QList<PortHolder> holders(const QString&) const override { return {{321, "minicom"}}; }
    QList<PortLock> locks(const QString&) const override { return {}; }
};

} // namespace

class ModelPortWindowTest : public QObject {
    Q_OBJECT
private slots:
    void modelChangesOnlyOnConfirm()
    {
        TestProgram program;
        program.startUp();
        program.state.image.setCell(1, 0, 0x12);  // an edit the model change replaces
        program.state.image.setCell(23, 14, 0x0F); // scan bits it keeps
        const RadioImage before = program.state.image;
        ChildWindow* window = open(program, "proc_type", "Form_type");
        choose(window, 0);
        child<QPushButton>(window, "Command_Cancel")->click();
        QCOMPARE(program.state.currentModel, 1);
        QVERIFY(program.state.image == before);
        QTRY_VERIFY(!program.frame.child("Form_type"));

        window = open(program, "proc_type", "Form_type");
        QCOMPARE(child<QComboBox>(window, "Combo_type")->currentText(), QString("Sable-UHF"));
        choose(window, 0);
        QCOMPARE(child<QLabel>(window, "Label_band")->text(), QString(" 136 --  175"));
        QCOMPARE(program.state.currentModel, 1);  // nothing changes before Confirm
        child<QPushButton>(window, "Command_enter")->click();
        QCOMPARE(program.state.currentModel, 0);
        QCOMPARE(program.frame.panelText(7), QString(" 136-- 174 MHZ"));
        RadioImage expected = startUpImage(0);
        expected.setCell(23, 14, 0x0F);
        QVERIFY(program.state.image == expected);

        // Confirming the current model keeps the edits but rereads the band.
        program.state.image.setCell(1, 0, 0x12);
        program.state.bandHigh = 999;
        const RadioImage edited = program.state.image;
        child<QPushButton>(open(program, "proc_type", "Form_type"), "Command_enter")->click();
        QVERIFY(program.state.image == edited);
        QCOMPARE(program.state.bandHigh, 175.0);

        // Letters typed into the model box are undone, Backspace included.
        window = open(program, "proc_type", "Form_type");
        choose(window, 2);
        QLineEdit* edit = child<QComboBox>(window, "Combo_type")->lineEdit();
        QTest::keyClicks(edit, "x");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("Sable-FULL"));
        child<QPushButton>(window, "Command_enter")->click();
        QCOMPARE(program.state.currentModel, 2);
    }

    void portWindowShowsThePorts()
    {
        QList<SystemPort> ports = {{"/dev/ttyS0", "Built-in serial port", "", false, false},
                                   {"/dev/ttyUSB0", "USB serial cable", "A1B2", true, false}};
        TestProgram program(ports, {}, TestProgram::Link::Fake, {"/dev/ttyUSB0"});
        program.startUp();
        ChildWindow* window = open(program, "proc_setup", "Form_setup");
        const QStringList devices = {"/dev/ttyS0", "/dev/ttyUSB0", "（无此端口）"};
        for (int n = 1; n <= 8; ++n) {
            auto* option = child<QRadioButton>(window, QString("Option%1").arg(n));
            QCOMPARE(option->isChecked(), n == 2);
            QVERIFY(option->isEnabled());  // a missing port is greyed, not disabled
            QCOMPARE(child<QLabel>(window, QString("Label_device%1").arg(n))->text(), devices[std::min(n, 3) - 1]);
        }
        QVERIFY(child<QRadioButton>(window, "Option2")->toolTip().contains("A1B2"));
    }

    void enterPressesTheDefaultButton()
    {
        TestProgram program(eightBuiltInPorts().mid(0, 6), {}, TestProgram::Link::Fake, {builtInDevice(3)});
        program.startUp();
        program.frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.frame));

        // The model window: Enter in the combo's field confirms the chosen model.
        ChildWindow* model = open(program, "proc_type", "Form_type");
        choose(model, 0);
        QTest::keyClick(child<QComboBox>(model, "Combo_type")->lineEdit(), Qt::Key_Return);
        QCOMPARE(program.state.currentModel, 0);
        QTRY_VERIFY(!program.frame.child("Form_type"));

        // The port window: Enter presses the button that has the focus, else
        // Confirm (COM7 has no device behind it, and is taken all the same).
        for (const auto& [focus, comPort] : {std::pair{"Command1", 3}, {"Option7", 7}}) {
            ChildWindow* window = open(program, "proc_setup", "Form_setup");
            child<QRadioButton>(window, "Option7")->click();
            QWidget* target = child<QWidget>(window, focus);
            target->setFocus();
            QTRY_VERIFY(target->hasFocus());
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(program.state.comPort, comPort);
            QCOMPARE(program.frame.panelText(3), "COM" + QString::number(comPort));
            QTRY_VERIFY(!program.frame.child("Form_setup"));
        }
    }

    void detailsFollowTheChoiceAndTestExplains()
    {
        AppState state;
        state.language = Language::English;
        const PortTable ports = PortTable::fromPorts({{"/dev/ttyUSB0", "CP2102", "0001", true, false},
                                                      {"/dev/ttyUSB1", "", "", true, false}});
        test::VirtualClock clock;
        test::FakeLine factory{clock};
        factory.openError = "No such file or directory";
        PortWindow window(state, ports);
        window.addPortDoctor(factory, std::make_unique<OpenFacts>());
        auto* details = window.findChild<QLabel*>("Label_details");
        QVERIFY(details->text().contains("/dev/ttyUSB0") && details->text().contains("10c4:ea60"));
        window.findChild<QRadioButton*>("Option2")->click();
        QVERIFY(details->text().startsWith("COM2\nDevice: /dev/ttyUSB1"));
        window.findChild<QPushButton*>("Command_test")->click();
        QVERIFY(window.findChild<QLabel*>("Label_test")->text().startsWith("COM2: /dev/ttyUSB1 is busy: process 321"));
    }
};

QTEST_MAIN(ModelPortWindowTest)
#include "tst_model_port_windows.moc"
