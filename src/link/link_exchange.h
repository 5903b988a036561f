#pragma once

#include "link/link_outcome.h"
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
// Progress and status texts are in the language the AppState holds when they
// are sent; every run that is not aborted ends with exactly one finished()
// carrying the outcome.
// A slot may delete the exchange only with deleteLater().
class LinkExchange : public QObject {
    Q_OBJECT
public:
    ~LinkExchange() override;

    // True from the start of an attempt until its completion, time-out or failure.
    bool busy() const { return busy_; }
    // Stops whatever runs, without an outcome: no signal, nothing stored, port closed.
    void abort();
    // Stops a run at the user's request: ends the radio's programming mode
    // where the exchange can, closes the port and finishes with an Interrupted
    // outcome that says how many blocks reached the radio. Nothing when no
    // run is going on.
    void interrupt();
    // The status last shown, in the current language: a window says it again
    // after a language switch.
    QString statusText() const { return lastStatus_ ? lastStatus_(language()) : QString(); }

signals:
    void progressChanged(int value);
    void statusChanged(const QString& text);
    void finished(const r5::LinkOutcome& outcome);

protected:
    LinkExchange(AppState& state, const PortTable& ports, SerialPortFactory& portFactory,
                 LinkTimerFactory& timerFactory, LinkValues values, QObject* parent);

    AppState& state() const { return state_; }
    Language language() const { return state_.language; }
    QString text(const Text& t) const { return t.in(language()); }
    // Sends a status in the current language and keeps how to say it in the other.
    void showStatus(std::function<QString(Language)> status);
    void showStatus(const Text& status)
    {
        showStatus([status](Language language) { return status.in(language); });
    }

    // The Read and Write buttons: abandons a running attempt, restores the
    // retries and starts anew; shows "connecting" when the port opened.
    void startFromButton();
    // One attempt from the access sequence on: opens the port when it is
    // closed (false and a PortCannotOpen outcome when it cannot), then lets the
    // exchange queue its first command. Used by the buttons and the retries.
    bool startAttempt();
    // A new run from its first attempt, with this many restarts allowed.
    void resetRun(int retries);

    // --- What an exchange adds -------------------------------------------
    // Prepares the first command of an attempt (the access sequence).
    virtual void beginAttempt() = 0;
    // Handles bytes waiting in the port. Returns true when it took bytes and
    // the next step may take more; false to wait for the next data event.
    virtual bool receiveStep() = 0;
    // The last retry timed out too.
    virtual void retriesUsedUp() = 0;
    virtual LinkOperation operation() const = 0;
    // Blocks of a write the radio has confirmed in this run, and of a whole write.
    virtual int blocksConfirmed() const { return 0; }
    virtual int blocksTotal() const { return 0; }
    // A new run begins: counters that span its attempts start again.
    virtual void beginRun() {}
    // On interrupt, while the port is still open: tells the radio to leave
    // programming mode when the exchange has a way to.
    virtual void leaveProgrammingMode() {}

    // --- Sending -----------------------------------------------------------
    // Replaces the send queue; it leaves on the next tick of the send timer,
    // after which the reply time-out runs. The input is emptied now and again
    // as the command leaves, and bytes arriving while it waits are dropped, so
    // an exchange only ever sees bytes that came after its command.
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
    // Ends the run: the attempt as above, then finished() with an outcome of this kind.
    void finishRun(LinkOutcome::Kind kind);

    // Clamped progress in whole percent of `done` out of `total`.
    void showProgress(int done, int total);

private:
    std::function<QString(Language)> lastStatus_;
    void sendQueued();
    void onDataArrived();
    void onReplyTimeout();
    void onRetryTick();
    void onPauseOver();
    void onPortError();
    bool openPort();
    LinkOutcome outcome(LinkOutcome::Kind kind) const;

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
    int attempts_ = 0;
    bool running_ = false;   // from the start of a run until its outcome or abort
    std::function<void()> afterPause_;
};

} // namespace r5
