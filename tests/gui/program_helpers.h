#pragma once

#include "app/main_window.h"
#include "link/link_timer.h"
#include "link/port_table.h"
#include "link/qt_serial_port.h"
#include "link/serial_port.h"
#include "model/app_state.h"
#include "support/link_fakes.h"
#include "windows/link_context.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace r5::test {

class FakeSerialPortFactory;

// A serial line that opens only for the devices its factory names and
// swallows what is written; it never answers, so an exchange on it runs until
// it times out.
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(FakeSerialPortFactory& factory) : factory_(factory) {}
    ~FakeSerialPort() override { close(); }

    bool open(const QString& systemName) override;
    QString errorString() const override { return error_; }
    bool isOpen() const override { return open_; }
    void close() override;
    void writeByte(quint8 byte) override;
    int bytesWaiting() const override { return 0; }
    quint8 readByte() override { return 0; }
    void clearInput() override {}
    void clearOutput() override {}

private:
    FakeSerialPortFactory& factory_;
    bool open_ = false;
    QString error_;
};

class FakeSerialPortFactory : public SerialPortFactory {
public:
    std::unique_ptr<SerialPort> create() override { return std::make_unique<FakeSerialPort>(*this); }

    QSet<QString> openable;  // devices that open
    QStringList opened;      // every device opened, in order
    int openPorts = 0;       // ports open right now
    QByteArray written;      // everything written to any port
};

// The ports a test machine has: /dev/ttyS0 to /dev/ttyS7 for COM1 to COM8.
QList<SystemPort> eightBuiltInPorts();
QString builtInDevice(int comPort);

// The program as r5prog builds it, with the serial line and the clock chosen
// by the test: fake ports on a virtual clock, or real ports on real timers.
struct TestProgram {
    enum class Link { Fake, Real };

    explicit TestProgram(const QList<SystemPort>& systemPorts = eightBuiltInPorts(),
                         MainWindow::Options options = {}, Link kind = Link::Fake,
                         const QSet<QString>& openable = {});

    // Registers the program's windows and runs the start-up. Tests that need
    // an extra window register it before.
    void startUp();

    AppState state;
    PortTable ports;
    FakeSerialPortFactory fakePorts;
    QtSerialPortFactory realPorts;
    VirtualClock clock;
    QtLinkTimerFactory realTimers;
    LinkContext link;
    MainWindow frame;
};

} // namespace r5::test
