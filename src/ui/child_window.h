#pragma once

#include "model/app_state.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class QKeyEvent;
class QPushButton;

namespace r5 {

// A window that lives inside the main window's workspace. Editors are views
// over the shared image: they draw themselves when they open and again each
// time they become the active window, so a read, a file load or another editor
// shows at once. They never keep a copy of the image.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(AppState& state, QWidget* parent = nullptr)
        : QWidget(parent), state_(state) {}

    AppState& state() const { return state_; }
    Language language() const { return state_.language; }

    // Called by the main window whenever this window becomes the active one.
    virtual void activated() {}

    // Where the window opens inside the main window, from the main window's
    // size: most windows take a fixed fraction of it, centred horizontally.
    virtual QRect initialGeometry(const QSize& mainWindowSize) const
    {
        const int w = mainWindowSize.width() * 6 / 10;
        const int h = mainWindowSize.height() * 6 / 10;
        return QRect((mainWindowSize.width() - w) / 2, (mainWindowSize.height() - h) / 4, w, h);
    }

    // Whether the window may close now; a link window refuses while it talks to
    // the radio (and tells the user why).
    virtual bool mayClose() { return true; }

    // Puts the keyboard on the window's first usable control, unless it is
    // inside the window already.
    void focusFirstControl();

protected:
    // The button Enter presses, drawn as the default one. As in a dialog,
    // Enter on another focused button presses that one instead. A window
    // without a default button lets Enter pass.
    void setDefaultButton(QPushButton* button);
    void keyPressEvent(QKeyEvent* event) override;
    // A language switch reaches every open window as a LanguageChange event.
    void changeEvent(QEvent* event) override;
    // Shows the window's texts in the current language: the captions it kept
    // (ui/captions.h); a window that shows other texts in words adds those.
    virtual void retranslate();

private:
    AppState& state_;
    QPointer<QPushButton> defaultButton_;
};

} // namespace r5
