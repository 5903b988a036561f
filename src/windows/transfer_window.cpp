#include "windows/transfer_window.h"

#include "link/link_texts.h"
#include "link/memory_exchange.h"
#include "ui/child_frame.h"
#include "ui/named_widgets.h"
#include "ui/prompt.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kCancel{"取消", "Cancel"};
constexpr Text kHelp{"帮助", "Help"};

// The box took as many characters as the radio's password record has slots.
constexpr int kPasswordBoxLength = 17;

} // namespace

TransferWindow::TransferWindow(AppState& state, MemoryExchange* exchange, const Captions& captions, QWidget* parent)
    : ChildWindow(state, parent),
      exchange_(exchange),
      progress_(new QProgressBar(this)),
      status_(namedLabel("Label_tr_count", QString(), this)),
      password_(new QLineEdit(this))
{
    exchange_->setParent(this);
    setCaption(this, captions.title, language());

    auto* startButton = namedButton(captions.startButtonName, captions.startButton, language(), this);
    auto* cancelButton = namedButton("Command_Cancel", kCancel, language(), this);
    auto* helpButton = namedButton("Command_Help", kHelp, language(), this);
    setDefaultButton(startButton);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    password_->setObjectName("Text_PassWord");
    password_->setMaxLength(kPasswordBoxLength);
    password_->setEchoMode(QLineEdit::Password);
    status_->setMinimumHeight(status_->fontMetrics().height() * 2);

    closeTimer_.setObjectName("Timer4");
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(captions.closeDelayMs);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { closeChildWindow(this); });

    connect(startButton, &QPushButton::clicked, this, [this] {
        closeTimer_.stop();
        start();
    });
    connect(cancelButton, &QPushButton::clicked, this, &TransferWindow::cancel);
    follow(exchange_);
    // Messages wait until the exchange's own step has returned, so the modal
    // box never runs inside a step of the protocol.
    connect(exchange_, &LinkExchange::finished, this, [this](const LinkOutcome& outcome) { onOutcome(outcome); },
            Qt::QueuedConnection);

    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(namedLabel("Label1", QString::fromUtf8(captions.passwordCaption), this));
    passwordRow->addWidget(password_, 1);
    passwordRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(passwordRow);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch();
    layout->addLayout(buttons);
}

bool TransferWindow::busy() const { return exchange_ && exchange_->busy(); }

bool TransferWindow::mayClose()
{
    if (!busy())
        return true;
    showPrompt(this, linktext::kBusyClose.in(language()), language());
    return false;
}

QRect TransferWindow::initialGeometry(const QSize& main) const
{
    const int w = int(main.width() / 1.55);
    const int h = int(main.height() / 2.8);
    return QRect((main.width() - w) / 2, (main.height() - h) / 4, w, h);
}

void TransferWindow::closeEvent(QCloseEvent* event)
{
    // Closing abandons a transfer that still runs (the main window builds the
    // window anew or ends): the port closes now, nothing is stored.
    if (exchange_)
        exchange_->abort();
    closeTimer_.stop();
    ChildWindow::closeEvent(event);
}

void TransferWindow::start() { exchange_->start(); }

void TransferWindow::cancel()
{
    if (mayClose())
        closeChildWindow(this);
}

void TransferWindow::follow(LinkExchange* exchange)
{
    connect(exchange, &LinkExchange::progressChanged, progress_, &QProgressBar::setValue);
    connect(exchange, &LinkExchange::statusChanged, this, [this, exchange](const QString& text) {
        status_->setText(text);
        statusSource_ = exchange;
    });
}

void TransferWindow::retranslate()
{
    ChildWindow::retranslate();
    if (statusSource_)
        status_->setText(statusSource_->statusText());
}

void TransferWindow::showOutcome(const LinkOutcome& outcome, const QString& addendum)
{
    QString message = linkOutcomeText(outcome, language());
    if (!addendum.isEmpty())
        message += "\n" + addendum;
    if (!outcome.completed()) {
        showPrompt(this, message, language());
        return;
    }
    showPrompt(this, message, language(), PromptTitle::CompletionPrompt);
    closeTimer_.start();
}

} // namespace r5
