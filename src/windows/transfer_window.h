#pragma once

#include "link/link_outcome.h"
#include "model/text.h"
#include "ui/child_window.h"
#include "windows/link_context.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace r5 {

class LinkExchange;
class MemoryExchange;

// What the read and the write window share: a start button, Cancel and Help,
// the password box, the progress bar and the status line, bound to one
// exchange with the radio. The window shows the exchange's messages, refuses
// to close while the exchange runs, and closes itself a moment after the user
// has read the completion message.
class TransferWindow : public ChildWindow {
    Q_OBJECT
public:
    struct Captions {
        Text title;
        const char* startButtonName;
        Text startButton;
        const char* passwordCaption;  // shown as it stands in both languages
        int closeDelayMs;             // after the completion message
    };

    virtual bool busy() const;
    bool mayClose() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

    MemoryExchange* exchange() const { return exchange_; }

protected:
    TransferWindow(AppState& state, MemoryExchange* exchange, const Captions& captions, QWidget* parent);

    void closeEvent(QCloseEvent* event) override;

    // The start button's work (a pending close is called off first); the
    // default starts the window's exchange.
    virtual void start();
    // What the window does when its exchange ends; the default shows it.
    virtual void onOutcome(const LinkOutcome& outcome) { showOutcome(outcome); }
    // Shows the outcome's message with `addendum` on a line of its own after
    // it; a completed one closes the window a moment later.
    void showOutcome(const LinkOutcome& outcome, const QString& addendum = {});
    // Shows another exchange's progress and status in the window's bar and line.
    void follow(LinkExchange* exchange);

    void retranslate() override;

private:
    void cancel();

    MemoryExchange* exchange_;
    QProgressBar* progress_;
    QLabel* status_;
    QPointer<LinkExchange> statusSource_;  // the exchange whose status the line shows
    QLineEdit* password_;
    QTimer closeTimer_;  // Timer4: closes the window after a completed transfer
};

} // namespace r5
