#pragma once

#include "link/serial_port.h"

#include <QSerialPort>

namespace r5 {

// The serial line on QSerialPort.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool open(const QString& systemName) override;
    QString errorString() const override { return errorString_; }
    bool permissionDenied() const override { return permissionDenied_; }
    bool isOpen() const override { return port_.isOpen(); }
    void close() override;

    void writeByte(quint8 byte) override;
    int bytesWaiting() const override;
    quint8 readByte() override;
    void clearInput() override;
    void clearOutput() override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString errorString_;
    bool permissionDenied_ = false;
};

class QtSerialPortFactory : public SerialPortFactory {
public:
    std::unique_ptr<SerialPort> create() override;
};

} // namespace r5
