#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace r5 {

// The serial line to the radio as the exchanges use it: one byte at a time,
// events for arriving data and for a line that broke. The program runs it on
// QSerialPort; tests run it on a fake line.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override = default;

    // Opens the port at 9600 8N1 without flow control, DTR on and RTS off,
    // with both buffers empty. False when the system refused; errorString()
    // then says why.
    virtual bool open(const QString& systemName) = 0;
    virtual QString errorString() const = 0;
    // True when the last open failed because the user may not use the device.
    virtual bool permissionDenied() const { return false; }
    virtual bool isOpen() const = 0;
    // Hands any byte still queued to the system before the port closes.
    virtual void close() = 0;

    virtual void writeByte(quint8 byte) = 0;
    virtual int bytesWaiting() const = 0;
    virtual quint8 readByte() = 0;
    virtual void clearInput() = 0;
    virtual void clearOutput() = 0;

signals:
    void dataArrived();
    // The line failed while open (a cable pulled, an adapter gone).
    void errorOccurred();
};

class SerialPortFactory {
public:
    virtual ~SerialPortFactory() = default;
    virtual std::unique_ptr<SerialPort> create() = 0;
};

} // namespace r5
