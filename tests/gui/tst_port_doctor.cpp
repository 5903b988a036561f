// The port window's details and Test button.
#include "support/link_fakes.h"
#include "gui/program_helpers.h"
#include "windows/port_window.h"
#include "gui/widget_helpers.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace r5;
using namespace r5::test;

namespace {

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

class PortDoctorTest : public QObject {
    Q_OBJECT
private slots:
    void detailsFollowTheChoiceAndTestExplains()
    {
        AppState state;
        state.language = Language::English;
        const PortTable ports = PortTable::fromPorts({{"/dev/ttyUSB0", "CP2102", "0001", true, false},
                                                      {"/dev/ttyUSB1", "", "", true, false}});
        test::VirtualClock clock;
        test::FakeLine factory{clock};
        factory.openable = QSet<QString>{};
        factory.openError = "No such file or directory";
        PortWindow window(state, ports);
        window.addPortDoctor(factory, std::make_unique<OpenFacts>());
        auto* details = window.findChild<QLabel*>("Label_details");
        QVERIFY(details->text().contains("/dev/ttyUSB0") && details->text().contains("10c4:ea60"));
        auto* option2 = window.findChild<QRadioButton*>("Option2");
        QVERIFY(option2->toolTip().contains("/dev/ttyUSB1"));
        option2->click();
        QVERIFY(details->text().startsWith("COM2\nDevice: /dev/ttyUSB1"));
        window.findChild<QPushButton*>("Command_test")->click();
        QVERIFY(window.findChild<QLabel*>("Label_test")->text().startsWith("COM2: /dev/ttyUSB1 is busy: process 321"));
    }

    // The real port and the real system facts, on a pseudo-terminal of this machine.
    void testOpensAPseudoTerminal()
    {
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(ptsname(master));
        AppState state;
        state.language = Language::English;
        const PortTable ports = PortTable::fromPorts({{device, "", "", false, true}});
        state.comPort = ports.comPortOf(device);
        QtSerialPortFactory factory;
        PortWindow window(state, ports);
        window.addPortDoctor(factory, systemPortFacts());
        QVERIFY(window.findChild<QLabel*>("Label_details")->text().contains(device));
        window.findChild<QPushButton*>("Command_test")->click();
        QCOMPARE(window.findChild<QLabel*>("Label_test")->text(),
                 QString("COM%1 (%2) opens and closes normally.").arg(state.comPort).arg(device));
        ::close(master);
    }
};

QTEST_MAIN(PortDoctorTest)
#include "tst_port_doctor.moc"
