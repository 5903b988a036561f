#pragma once

#include <QObject>

#include <memory>

namespace r5 {

// A repeating timer as the exchanges use it. The program runs it on QTimer;
// tests run it on a virtual clock, so a four-attempt give-up takes no real time.
class LinkTimer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~LinkTimer() override = default;

    // (Re)starts the timer: it ticks every `ms` until stopped.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    void timeout();
};

class LinkTimerFactory {
public:
    virtual ~LinkTimerFactory() = default;
    virtual std::unique_ptr<LinkTimer> create() = 0;
};

// Timers of the running program, on the thread's event loop.
class QtLinkTimerFactory : public LinkTimerFactory {
public:
    std::unique_ptr<LinkTimer> create() override;
};

} // namespace r5
