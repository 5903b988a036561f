#include "support/link_fakes.h"

#include "link/port_details.h"
#include "link/port_probe.h"
#include "link/port_table.h"

#include <gtest/gtest.h>

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
    for (int n : {0, 7, 9})
        EXPECT_FALSE(t.exists(n)) << n;
    EXPECT_EQ(t.comPortOf("/dev/ttyS99"), 0);

    // More than eight: built-in ones give way, a device named twice counts once.
    QList<SystemPort> ports{named("/tmp/a"), named("/tmp/b"), named("/tmp/a")};
    for (const char* d : {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4"})
        ports << builtIn(d);
    for (const char* d : {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2"})
        ports << usb(d);
    EXPECT_EQ(devices(PortTable::fromPorts(ports)), (QStringList{"/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4",
                                                                "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2",
                                                                "/tmp/a", "/tmp/b"}));
}

TEST(PortTable, DescriptionTellsTheDeviceBehindTheNumber)
{
    const PortTable t = PortTable::fromPorts({usb("/dev/ttyUSB0", "FT232R USB UART", "A601XYZ"), named("/tmp/r5")});
    EXPECT_EQ(t.description(1), QString::fromUtf8("/dev/ttyUSB0 · FT232R USB UART · S/N A601XYZ"));
    EXPECT_EQ(t.description(2), QString::fromUtf8("/tmp/r5 · --port"));
    EXPECT_EQ(t.description(3), "");
}
#endif

TEST(PortArgument, AcceptsDevicesAndComNumbers)
{
    const struct {
        const char* text;
        int comPort;
        const char* device;
        bool ok;
    } cases[] = {{"COM3", 3, "", true},  {"com8", 8, "", true}, {"1", 1, "", true}, {"COM9", 0, "", false},
                 {"0", 0, "", false},    {"", 0, "", false},    {"/dev/ttyUSB0", 0, "/dev/ttyUSB0", true},
                 {"/tmp/COM3", 0, "/tmp/COM3", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const PortArgument a = parsePortArgument(c.text);
        EXPECT_EQ(a.ok(), c.ok);
        EXPECT_EQ(a.comPort, c.comPort);
        EXPECT_EQ(a.device, c.device);
    }
}

// The highest port that opens, tried from the top and closed again; COM1 and a
// failure mark when none opens.
TEST(PortProbe, SettlesOnTheHighestPortThatOpens)
{
    const PortTable t = PortTable::fromPorts({builtIn("/dev/ttyS0"), builtIn("/dev/ttyS1"), usb("/dev/ttyUSB0"),
                                              usb("/dev/ttyUSB1"), usb("/dev/ttyUSB2")});
    const struct {
        QSet<QString> openable;
        int comPort;
        bool failed;
    } cases[] = {{{"/dev/ttyS1", "/dev/ttyUSB2"}, 5, false}, {{"/dev/ttyS0"}, 1, false}, {{}, 1, true}};
    for (const auto& c : cases) {
        test::VirtualClock clock;
        test::FakeLine line{clock};
        line.openable = c.openable;
        const ProbeResult r = probePorts(t, line);
        EXPECT_EQ(r.comPort, c.comPort);
        EXPECT_EQ(r.portOpenFailed, c.failed);
        EXPECT_EQ(line.opened.size(), c.failed ? 0 : 1);
    }
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
    const auto noAccess = [](FakeFacts& f) { f.file.mayOpen = false; };
    const struct {
        const char* name;
        std::function<void(FakeFacts&)> setUp;
        QStringList says;
    } cases[] = {
        {"gone", [](FakeFacts& f) { f.file = {}; }, {"gone", "Plug"}},
        {"not in the group", noAccess, {"\"dialout\"", "usermod -aG dialout", "log out and in again"}},
        {"joined since this login", [&](FakeFacts& f) { noAccess(f); f.file.groupListed = true; },
         {"after this login", "Log out and in again"}},
        {"the group may not use it either", [&](FakeFacts& f) { noAccess(f); f.file.groupMayOpen = false; },
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFacts facts;
        c.setUp(facts);
        const QString text = diagnoseFailedOpen("/dev/ttyUSB0", "Device %2 busy", facts, Language::English);
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

// A port that does not open fails the test, and with it the command line's.
TEST(PortDoctor, TestWorksOnlyWhereThePortOpens)
{
    const PortTable t = PortTable::fromPorts({builtIn("/dev/ttyS0"), builtIn("/dev/ttyS1")});
    test::VirtualClock clock;
    test::FakeLine line{clock};
    line.openable = QSet<QString>{"/dev/ttyS0"};
    FakeFacts facts;
    EXPECT_TRUE(testPort(t, 1, line, facts, Language::English).works);
    EXPECT_FALSE(testPort(t, 2, line, facts, Language::English).works);
}
#endif

} // namespace
