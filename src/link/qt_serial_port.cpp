#include "link/qt_serial_port.h"

#include "link/protocol.h"

namespace r5 {

QtSerialPort::QtSerialPort(QObject* parent) : SerialPort(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::dataArrived);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort()
{
    close();
}

bool QtSerialPort::open(const QString& systemName)
{
    if (port_.isOpen())
        port_.close();
    errorString_.clear();
    permissionDenied_ = false;
    port_.setPortName(systemName);
    port_.setBaudRate(protocol::kBaudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        errorString_ = port_.errorString();
        permissionDenied_ = port_.error() == QSerialPort::PermissionError;
        return false;
    }
    // A cable that keys the radio's transmitter with RTS must never see it
    // raised; DTR powers some cables' level converters. A pseudo-terminal has
    // neither line and refuses both, which is harmless.
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(false);
    port_.clear(QSerialPort::AllDirections);
    port_.clearError();
    return true;
}

void QtSerialPort::close()
{
    if (!port_.isOpen())
        return;
    // Bytes still in Qt's queue (the end byte) go to the system first.
    port_.flush();
    port_.close();
}

void QtSerialPort::writeByte(quint8 byte)
{
    const char c = static_cast<char>(byte);
    port_.write(&c, 1);
    // Straight to the system rather than at the next turn of the event loop:
    // each millisecond saved per command adds up over 49 write blocks.
    port_.flush();
}

int QtSerialPort::bytesWaiting() const
{
    return static_cast<int>(port_.bytesAvailable());
}

quint8 QtSerialPort::readByte()
{
    char c = 0;
    port_.getChar(&c);
    return static_cast<quint8>(c);
}

void QtSerialPort::clearInput()
{
    // Bytes the system has received but Qt has not yet fetched are dropped too.
    port_.clear(QSerialPort::Input);
    port_.readAll();
}

void QtSerialPort::clearOutput()
{
    port_.clear(QSerialPort::Output);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:   // the device went away
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        if (port_.isOpen()) {
            errorString_ = port_.errorString();
            emit errorOccurred();
        }
        break;
    default:
        // Open errors are reported by open(); control-line requests a
        // pseudo-terminal refuses and time-outs are no fault of the line.
        break;
    }
}

std::unique_ptr<SerialPort> QtSerialPortFactory::create()
{
    return std::make_unique<QtSerialPort>();
}

} // namespace r5
