#pragma once

#include "link/link_timer.h"
#include "link/port_table.h"
#include "link/serial_port.h"
#include "model/app_state.h"
#include "model/text.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace r5 {

// The values that make one exchange's time-out and retry behaviour.
struct LinkValues {
    int replyTimeoutMs;   // silence after the last byte sent that ends an attempt
    int retryPauseMs;     // wait after a time-out before the next attempt or the give-up
    int retries;          // attempts after the first
};

// The transfer engine all exchanges share: the port, the send queue that
// leaves on one tick of the send timer, the reply time-out, the retry pause,
// the busy flag and the short pauses inside a step. An exchange adds its own
// stages, commands and blocks through the virtual steps below.
//
// Everything runs on one thread, driven by the port's data events and the
// timers. While a pause runs, arriving bytes wait in the port and no receive
// step runs; the step then goes on where it paused.
//
// Signals carry texts in the language the AppState holds when they are sent.
// A slot may delete the exchange only with deleteLater().
class LinkExchange : public QObject {
    Q_OBJECT
public:
    ~LinkExchange() override;

    // True from the start of an attempt until its completion, time-out or failure.
    bool busy() const { return busy_; }
    // Stops whatever runs, without an outcome: no signal, nothing stored, port closed.
    void abort();

signals:
    void progressChanged(int value);
    void statusChanged(const QString& text);
    void portOpenFailed(const QString& message);
    void completed(const QString& message);
    void failed(const QString& message);

protected:
    LinkExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                 LinkTimerFactory& timerFactory, LinkValues values, QObject* parent);

    AppState& state() const { return state_; }
    Language language() const { return state_.language; }
    QString text(const Text& t) const { return t.in(language()); }

    // The Read and Write buttons: abandons a running attempt, restores the
    // retries and starts anew; shows "connecting" when the port opened.
    void startFromButton();
    // One attempt from the access sequence on: opens the port when it is
    // closed (false and the port message when it cannot), then lets the
    // exchange queue its first command. Used by the buttons and the retries.
    bool startAttempt();
    void setRetriesLeft(int retries) { retriesLeft_ = retries; }

    // --- What an exchange adds -------------------------------------------
    // Prepares the first command of an attempt (the access sequence).
    virtual void beginAttempt() = 0;
    // Handles bytes waiting in the port. Returns true when it took bytes and
    // the next step may take more; false to wait for the next data event.
    virtual bool receiveStep() = 0;
    // The last retry timed out too.
    virtual void retriesUsedUp() = 0;
    // First line of the port message.
    virtual Text portOpenText() const;

    // --- Sending -----------------------------------------------------------
    // Replaces the send queue; it leaves on the next tick of the send timer,
    // after which the reply time-out runs.
    void queueCommand(const QByteArray& bytes);
    void sendNow(quint8 byte);
    bool sendDone() const { return sendDone_; }

    // --- Receiving -------------------------------------------------------
    int bytesWaiting() const;
    QByteArray takeBytes(int count);
    void clearInput();

    // --- Timers and pauses ---------------------------------------------------
    void stopReplyTimer();
    void stopRetryTimer();
    void stopTimers();        // send, reply and retry timers and any pause
    void pauseThen(int ms, std::function<void()> next);

    // --- Endings -----------------------------------------------------------
    void closePort();
    void setBusy(bool busy) { busy_ = busy; }
    // Ends everything of an attempt except the outcome: timers, busy, port.
    void finishAttempt();

    // Clamped progress in whole percent of `done` out of `total`.
    void showProgress(int done, int total);

private:
    void sendQueued();
    void onDataArrived();
    void onReplyTimeout();
    void onRetryTick();
    void onPauseOver();
    void onPortError();
    bool openPort();

    AppState& state_;
    const PortTable& ports_;
    LinkValues values_;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<LinkTimer> sendTimer_;    // sends the queue on its first tick
    std::unique_ptr<LinkTimer> replyTimer_;   // reply time-out
    std::unique_ptr<LinkTimer> retryTimer_;   // retry pause, then retry or give up
    std::unique_ptr<LinkTimer> pauseTimer_;   // short pauses inside a step

    QByteArray sendBuffer_;
    bool sendDone_ = false;
    bool busy_ = false;
    int retriesLeft_ = 0;
    std::function<void()> afterPause_;
};

} // namespace r5
