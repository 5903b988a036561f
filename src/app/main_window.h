#pragma once

#include "model/app_state.h"
#include "ui/child_window.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QTranslator;

namespace r5 {

class ChildFrame;

// The program's frame: menu bar, toolbar, status bar and the workspace that
// holds one child window per task. The frame edits nothing itself; every
// command builds its window anew (closing the old one first, even in the
// middle of a transfer), so a window always shows the current image and
// language.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Options {
        Language language = Language::Chinese;
        bool factory = false;  // shows the factory adjustment command
    };
    using WindowBuilder = std::function<ChildWindow*()>;
    // What a command does with its window when it is open already.
    enum class Reopen {
        Anew,          // closes it and builds it anew
        BringForward,  // keeps it as it is (and whatever it is doing) and activates it
    };

    MainWindow(AppState& state, Options options, QWidget* parent = nullptr);

    // Makes a window part of the program: the menu and toolbar commands named
    // open it, and a hidden menu item behind it is shown. Register every
    // window before startUp().
    void registerWindow(const QString& windowName, const QStringList& commands, WindowBuilder build,
                        Reopen reopen = Reopen::Anew);
    bool hasWindow(const QString& windowName) const;
    QString windowFor(const QString& command) const;  // empty when no window is registered for it
    // Makes a menu command run `action` instead of opening a window (a file
    // dialog, the print dialog); a hidden item behind it is shown.
    void registerCommand(const QString& command, std::function<void()> action);
    QStringList windowNames() const;

    // The start-up of a fresh run, in its fixed order, ending with the channel
    // grid opened. `probePort` returns the first serial port that opens.
    void startUp(const std::function<int()>& probePort);

    // Closes the window if it is open and builds it anew; returns the new one.
    ChildWindow* openWindow(const QString& windowName);
    // Activates the window when it is open, else builds it; returns it.
    ChildWindow* showWindow(const QString& windowName);
    // Closes the window without asking it first.
    void closeWindow(const QString& windowName);
    // The open window of that name, or nullptr.
    ChildWindow* child(const QString& windowName) const;

    // The Language menu's two items.
    void switchLanguage(Language language);
    // Panels 3 (port) and 7 (band) after the port or the model changed.
    void showPortInStatusBar();
    void showBandInStatusBar();
    // Panel 2: what a link window that gave up has to say.
    void showStatusText(const QString& text);

    QString panelText(int panel) const;  // panels 1 to 8
    QAction* menuItem(const QString& name) const;
    QAction* toolbarButton(const QString& key) const;
    QMdiArea* workspace() const { return workspace_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void applyCaptions(bool atStartUp);
    void applyMenuVisibility();
    void followLanguageInQtTexts();
    void runCommand(const QString& command);
    void setPanelText(int panel, const QString& text);
    ChildFrame* frameOf(const QString& windowName) const;
    QRect fitIntoWorkspace(QRect rect, QSize minimum) const;

    AppState& state_;
    Options options_;
    QMdiArea* workspace_;
    QTranslator* qtTexts_;
    QToolBar* toolbar_ = nullptr;
    std::map<QString, QAction*> menuItems_;
    std::map<QString, QAction*> toolbarButtons_;
    std::vector<QLabel*> panels_;
    std::vector<int> panelWidths_;  // from the frame's width at start-up
    std::map<QString, WindowBuilder> builders_;
    std::map<QString, QString> commandWindows_;  // menu item -> window
    std::map<QString, Reopen> reopen_;
    std::map<QString, std::function<void()>> commandActions_;
    std::map<QString, QPointer<ChildFrame>> open_;
};

} // namespace r5
