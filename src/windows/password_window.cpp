#include "windows/password_window.h"

#include "link/link_texts.h"
#include "link/password_exchange.h"
#include "link/protocol.h"
#include "model/char_codec.h"
#include "ui/child_frame.h"
#include "ui/input_filter.h"
#include "ui/named_widgets.h"
#include "ui/prompt.h"
#include "model/window_names.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kTitle{"修改密码", "Modify PassWord"};
constexpr Text kOldCaption{"原密码", "Old PassWord"};
constexpr Text kNewCaption{"新密码", "New PassWord"};
constexpr Text kConfirmCaption{"确认新密码", "Confirm PassWord"};
constexpr Text kModify{"修改", "Modify"};

QLineEdit* passwordBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    // The radio's record holds six one-byte characters: a seventh key, a
    // longer paste or input-method text is cut to six once the characters
    // the record cannot hold are out.
    restrictInput(box, [](QChar c) { return c.isPrint() && !firstCharWithoutByteCode(c); },
                  protocol::kPasswordLength);
    return box;
}

} // namespace

PasswordWindow::PasswordWindow(AppState& state, const LinkContext& link, QWidget* parent)
    : ChildWindow(state, parent),
      exchange_(new PasswordExchange(state, link.ports, link.serialPorts, link.timers, this)),
      old_(passwordBox("Text_Old_PassWord", this)),
      new1_(passwordBox("Text_New_Password_1", this)),
      new2_(passwordBox("Text_New_PassWord_2", this))
{
    setObjectName(window::kPassword);
    setCaption(this, kTitle, language());

    auto* modify = namedButton("Command_Write", kModify, language(), this);
    auto* close = namedButton("Command_Cancel", kCloseCaption, language(), this);
    setDefaultButton(modify);
    connect(modify, &QPushButton::clicked, this, &PasswordWindow::modify);
    connect(close, &QPushButton::clicked, this, [this] {
        if (mayClose())
            closeChildWindow(this);
    });
    bindExchange();

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("Label_old_PassWord", kOldCaption, language(), this), 0, 0);
    grid->addWidget(old_, 0, 1);
    grid->addWidget(namedLabel("Label_New_Password_1", kNewCaption, language(), this), 1, 0);
    grid->addWidget(new1_, 1, 1);
    grid->addWidget(namedLabel("Label_New_PassWord_2", kConfirmCaption, language(), this), 2, 0);
    grid->addWidget(new2_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(modify);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
}

void PasswordWindow::bindExchange()
{
    // Messages wait until the exchange's step has returned, so no modal box
    // runs inside a step of the protocol.
    connect(exchange_, &LinkExchange::finished, this, &PasswordWindow::showOutcome, Qt::QueuedConnection);
}

bool PasswordWindow::busy() const { return exchange_->busy(); }

bool PasswordWindow::mayClose()
{
    if (!busy())
        return true;
    showPrompt(this, linktext::kBusyClose.in(language()), language());
    return false;
}

QRect PasswordWindow::initialGeometry(const QSize& main) const
{
    const int w = int(main.width() / 2.6);
    const int h = int(main.height() / 3.2);
    return QRect((main.width() - w) / 2, (main.height() - h) / 4, w, h);
}

void PasswordWindow::closeEvent(QCloseEvent* event)
{
    // A window closed by the main window abandons the change: the port closes now.
    exchange_->abort();
    ChildWindow::closeEvent(event);
}

void PasswordWindow::modify()
{
    if (busy())
        return;
    if (!PasswordExchange::newPasswordsMatch(new1_->text(), new2_->text())) {
        showPrompt(this, passwordtext::kMismatch.in(language()), language());
        return;
    }
    exchange_->setOldPassword(old_->text());
    exchange_->setNewPassword(new1_->text());
    exchange_->start();
}

void PasswordWindow::showOutcome(const LinkOutcome& outcome)
{
    const QString message = linkOutcomeText(outcome, language());
    switch (outcome.kind) {
    case LinkOutcome::Kind::Completed:
        old_->clear();
        new1_->clear();
        new2_->clear();
        showPrompt(this, message, language(), PromptTitle::CompletionPrompt);
        closeChildWindow(this);
        return;
    case LinkOutcome::Kind::WrongOldPassword:
        showPrompt(this, message, language(), PromptTitle::CompletionPrompt);
        return;
    default:
        // Among them a write the radio did not confirm: the message says the
        // radio may hold either password.
        showPrompt(this, linkOutcomeReport(outcome, language()), language());
        return;
    }
}

} // namespace r5
