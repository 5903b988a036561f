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
    for (int n = 0; n <= 9; ++n)
        EXPECT_EQ(t.exists(n), n >= 1 && n <= 6) << n;
    EXPECT_EQ(t.comPortOf("/tmp/r5sim"), 6);
    EXPECT_EQ(t.comPortOf("/dev/ttyS99"), 0);
}

TEST(PortTable, WithMoreThanEightPortsBuiltInOnesGiveWay)
{
    const PortTable t = PortTable::fromPorts({builtIn("/dev/ttyS0"), builtIn("/dev/ttyS1"), builtIn("/dev/ttyS2"),
        builtIn("/dev/ttyS3"), builtIn("/dev/ttyS4"), usb("/dev/ttyUSB0"), usb("/dev/ttyUSB1"), usb("/dev/ttyUSB2"),
        named("/tmp/a"), named("/tmp/b"), named("/tmp/a")});
    EXPECT_EQ(devices(t), (QStringList{"/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyUSB0", "/dev/ttyUSB1",
                                       "/dev/ttyUSB2", "/tmp/a", "/tmp/b"}));
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
    struct Case {
        const char* text;
        int comPort;
        const char* device;
        bool ok;
    };
    for (const Case& c : {Case{"com8", 8, "", true}, Case{"1", 1, "", true}, Case{"COM9", 0, "", false},
                          Case{"0", 0, "", false}, Case{"", 0, "", false},
                          Case{"/dev/ttyUSB0", 0, "/dev/ttyUSB0", true}, Case{"/tmp/COM3", 0, "/tmp/COM3", true}}) {
        SCOPED_TRACE(c.text);
        const PortArgument a = parsePortArgument(c.text);
        EXPECT_EQ(a.ok(), c.ok);
        EXPECT_EQ(a.comPort, c.comPort);
        EXPECT_EQ(a.device, c.device);
    }
}

} // namespace
