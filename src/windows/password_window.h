#pragma once

#include "link/link_outcome.h"
#include "ui/child_window.h"
#include "windows/link_context.h"

class QLineEdit;

namespace r5 {

class PasswordExchange;

// Form_Write_PassWord: changes the radio's password. The user types the old
// password and the new one twice; Modify proves the old one against the
// radio's password record and writes the new one in a single attempt. The
// window refuses to close while it talks to the radio and closes itself after
// a successful change.
class PasswordWindow : public ChildWindow {
    Q_OBJECT
public:
    PasswordWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);

    bool busy() const;
    bool mayClose() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void bindExchange();
    void modify();
    void showOutcome(const LinkOutcome& outcome);

    PasswordExchange* exchange_;
    QLineEdit* old_;
    QLineEdit* new1_;
    QLineEdit* new2_;
};

} // namespace r5
