#include "support/link_fakes.h"

#include "link/port_details.h"
#include "link/port_probe.h"
#include "link/port_table.h"

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#endif

using namespace r5;

namespace {

SystemPort builtIn(const char* d) { return {d, {}, {}, false, false}; }
SystemPort usb(const char* d, const char* desc = "", const char* sn = "") { return {d, desc, sn, true, false}; }
SystemPort named(const char* d) { return {d, {}, {}, false, true}; }

QStringList devices(const PortTable& t)
{
    QStringList list;
    for (int n = 1; n <= 8; ++n)
        list << t.device(n);
    return list;
}

#ifndef Q_OS_WIN
TEST(PortTable, BuiltInThenAdaptersByNameThenNamedPortsOnTop)
{
    const PortTable t = PortTable::fromPorts({named("/tmp/r5sim"), usb("/dev/ttyUSB1"), builtIn("/dev/ttyS10"),
                                              usb("/dev/ttyACM0"), builtIn("/dev/ttyS2"), usb("/dev/ttyUSB0")});
    EXPECT_EQ(devices(t), (QStringList{"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                       "/tmp/r5sim", "", ""}));
    EXPECT_TRUE(t.exists(6));
    EXPECT_FALSE(t.exists(7));
    EXPECT_FALSE(t.exists(0));
    EXPECT_FALSE(t.exists(9));
    EXPECT_EQ(t.comPortOf("/tmp/r5sim"), 6);
    EXPECT_EQ(t.comPortOf("/dev/ttyS99"), 0);
}

TEST(PortTable, WithMoreThanEightPortsBuiltInOnesGiveWay)
{
    QList<SystemPort> ports;
    for (const char* d : {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4"})
        ports << builtIn(d);
    for (const char* d : {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2"})
        ports << usb(d);
    ports << named("/tmp/a") << named("/tmp/b") << named("/tmp/a");
    const PortTable t = PortTable::fromPorts(ports);
    EXPECT_EQ(devices(t), (QStringList{"/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                       "/dev/ttyUSB2", "/tmp/a", "/tmp/b"}));
}

TEST(PortTable, DescriptionTellsTheDeviceBehindTheNumber)
{
    const PortTable t = PortTable::fromPorts({usb("/dev/ttyUSB0", "FT232R USB UART", "A601XYZ"), named("/tmp/r5")});
    EXPECT_EQ(t.description(1), QString::fromUtf8("/dev/ttyUSB0 · FT232R USB UART · S/N A601XYZ"));
    EXPECT_EQ(t.description(2), QString::fromUtf8("/tmp/r5 · --port"));
    EXPECT_EQ(t.description(3), "");
    EXPECT_EQ(PortTable::comName(3), "COM3");
}
#endif

TEST(PortArgument, AcceptsDevicesAndComNumbers)
{
    struct Case {
        const char* text;
        int comPort;
        const char* device;
        bool ok;
    };
    for (const Case& c : {Case{"COM3", 3, "", true}, Case{"com8", 8, "", true}, Case{"1", 1, "", true},
                          Case{"COM9", 0, "", false}, Case{"0", 0, "", false}, Case{"", 0, "", false},
                          Case{"/dev/ttyUSB0", 0, "/dev/ttyUSB0", true}, Case{"/tmp/COM3", 0, "/tmp/COM3", true}}) {
        SCOPED_TRACE(c.text);
        const PortArgument a = parsePortArgument(c.text);
        EXPECT_EQ(a.ok(), c.ok);
        EXPECT_EQ(a.comPort, c.comPort);
        EXPECT_EQ(a.device, c.device);
    }
}

// A port factory whose ports open only for the listed devices.
class SomePortsOpen : public SerialPortFactory {
public:
    explicit SomePortsOpen(QStringList openable) : line_(clock_), openable_(std::move(openable)) {}
    std::unique_ptr<SerialPort> create() override
    {
        class Port : public test::FakePort {
        public:
            Port(test::FakeLine& line, SomePortsOpen& owner) : FakePort(line), owner_(owner) {}
            bool open(const QString& device) override
            {
                owner_.tried << device;
                return owner_.openable_.contains(device) && FakePort::open(device);
            }
            SomePortsOpen& owner_;
        };
        return std::make_unique<Port>(line_, *this);
    }
    QStringList tried;

private:
    test::VirtualClock clock_;
    test::FakeLine line_;
    QStringList openable_;
};

TEST(PortProbe, SettlesOnTheHighestPortThatOpens)
{
    const PortTable t = PortTable::fromPorts({builtIn("/dev/ttyS0"), builtIn("/dev/ttyS1"), usb("/dev/ttyUSB0"),
                                              usb("/dev/ttyUSB1"), usb("/dev/ttyUSB2")});
    SomePortsOpen twoAndFive({"/dev/ttyS1", "/dev/ttyUSB2"});
    EXPECT_EQ(probeComPort(t, twoAndFive), 5);
    EXPECT_EQ(twoAndFive.tried, QStringList{"/dev/ttyUSB2"});

    SomePortsOpen none({});
    const ProbeResult r = probePorts(t, none);
    EXPECT_EQ(r.comPort, 1);
    EXPECT_TRUE(r.portOpenFailed);
    EXPECT_EQ(none.tried.size(), 5);
    EXPECT_EQ(probeComPort(PortTable(), none), 1);
}

// Fixed answers for one device; "/dev/serial/by-id/usb-A" leads to /dev/ttyUSB0.
struct FakeFacts : PortFacts {
    DeviceFile file{true, true, "root", "dialout", true, false, false};
    QList<PortHolder> held;
    QList<PortLock> locked;
    QString usbIds(const QString& d) const override { return d == "/dev/ttyUSB0" ? "0403:6001" : ""; }
    QString resolved(const QString& p) const override { return p.startsWith("/dev/serial") ? "/dev/ttyUSB0" : p; }
    QList<QPair<QString, QString>> stableNames() const override { return {{"/dev/serial/by-id/usb-A", "/dev/ttyUSB0"}}; }
    DeviceFile deviceFile(const QString&) const override { return file; }
    QList<PortHolder> holders(const QString&) const override { return held; }
    QList<PortLock> locks(const QString&) const override { return locked; }
};

TEST(PortDoctor, SaysWhyAPortDoesNotOpen)
{
    struct Case {
        const char* name;
        std::function<void(FakeFacts&)> setUp;
        QStringList says;
    };
    const auto noAccess = [](FakeFacts& f) { f.file.mayOpen = false; };
    const Case cases[] = {
        {"gone", [](FakeFacts& f) { f.file = {}; }, {"gone", "Plug"}},
        {"not in the group", noAccess, {"\"dialout\"", "usermod -aG dialout", "log out and in again"}},
        {"joined since this login",
         [&](FakeFacts& f) { noAccess(f); f.file.groupListed = true; },
         {"after this login", "Log out and in again"}},
        {"the group may not use it either",
         [&](FakeFacts& f) { noAccess(f); f.file.groupMayOpen = false; },
         {"owner \"root\" only"}},
        {"held by processes", [](FakeFacts& f) { f.held = {{1234, "minicom"}, {77, "screen"}}; },
         {"busy", "process 1234 (minicom), process 77 (screen)"}},
        {"live lock before a stale one",
         [](FakeFacts& f) { f.locked = {{"/var/lock/LCK..ttyUSB0", 9, false}, {"/run/lock/LCK..ttyUSB0", 42, true}}; },
         {"busy", "/run/lock/LCK..ttyUSB0", "process 42, which still runs"}},
        {"stale lock", [](FakeFacts& f) { f.locked = {{"/var/lock/LCK..ttyUSB0", 9, false}}; },
         {"/var/lock/LCK..ttyUSB0", "process 9, which no longer runs", "delete"}},
        {"the system's reason, kept as it is", [](FakeFacts&) {}, {"cannot be opened: Device %2 busy"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFacts facts;
        c.setUp(facts);
        const QString text = diagnoseFailedOpen("/dev/ttyUSB0", "Device %2 busy", facts, Language::English);
        EXPECT_TRUE(text.startsWith("/dev/ttyUSB0")) << text.toStdString();
        for (const QString& part : c.says)
            EXPECT_TRUE(text.contains(part)) << text.toStdString();
    }
}

#ifndef Q_OS_WIN
TEST(PortDoctor, DetailsFollowTheLinkToTheAdapter)
{
    const PortTable t = PortTable::fromPorts({usb("/dev/ttyUSB1"), named("/dev/serial/by-id/usb-A")});
    FakeFacts facts;
    facts.file.mayOpen = false;
    const PortDetails viaLink = portDetails(t, 2, facts);
    EXPECT_EQ(viaLink.stableName, "/dev/serial/by-id/usb-A");
    EXPECT_EQ(viaLink.usbIds, "0403:6001");
    EXPECT_EQ(accessText(viaLink, Language::English), "no (group dialout)");
    EXPECT_EQ(portDetails(t, 1, facts).stableName, "");
    facts.file.groupMayOpen = false;
    EXPECT_EQ(accessText(portDetails(t, 1, facts), Language::English), "no");
}

TEST(PortDoctor, TestOpensClosesAndExplains)
{
    const PortTable t = PortTable::fromPorts({builtIn("/dev/ttyS0"), builtIn("/dev/ttyS1")});
    SomePortsOpen onlyFirst({"/dev/ttyS0"});
    FakeFacts facts;
    facts.held = {{5, "minicom"}};
    const PortTest works = testPort(t, 1, onlyFirst, facts, Language::English);
    EXPECT_TRUE(works.works);
    EXPECT_TRUE(works.text.contains("/dev/ttyS0"));
    const PortTest busy = testPort(t, 2, onlyFirst, facts, Language::English);
    EXPECT_FALSE(busy.works);
    EXPECT_TRUE(busy.text.startsWith("COM2: /dev/ttyS1 is busy")) << busy.text.toStdString();
    EXPECT_FALSE(testPort(t, 3, onlyFirst, facts, Language::English).works);
    EXPECT_EQ(onlyFirst.tried, (QStringList{"/dev/ttyS0", "/dev/ttyS1"}));
}

// The system's own answers on a pseudo-terminal this test holds open.
TEST(PortDoctor, SystemFactsOnAPseudoTerminal)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const QString device = QString::fromLocal8Bit(ptsname(master));
    const int slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    const auto facts = systemPortFacts();
    const DeviceFile file = facts->deviceFile(device);
    EXPECT_TRUE(file.exists && file.mayOpen);
#ifdef Q_OS_LINUX
    bool heldByUs = false;
    for (const PortHolder& h : facts->holders(device))
        heldByUs = heldByUs || h.pid == ::getpid();
    EXPECT_TRUE(heldByUs);
#endif
    ::close(slave);
    ::close(master);
}
#endif

} // namespace
