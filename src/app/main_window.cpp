#include "app/main_window.h"

#include "app/menu_table.h"
#include "model/defaults.h"
#include "model/window_names.h"
#include "ui/child_frame.h"
#include "ui/program_title.h"
#include "ui/toolbar_icons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <algorithm>
#include <array>

namespace r5 {
namespace {

// The toolbar's buttons: key, the menu command they run, tool tip.
struct ToolbarButtonSpec {
    const char* key;
    const char* command;
    Text toolTip;
};

constexpr std::array kToolbarButtons = {
    ToolbarButtonSpec{"open", command::kOpenFile, {"打开信道参数文件", "Open a channel file"}},
    ToolbarButtonSpec{"save", command::kSaveFile, {"保存信道参数文件", "Save the channel file"}},
    ToolbarButtonSpec{"edit_chann", command::kChannels, {"信道信息", "Channel information"}},
    ToolbarButtonSpec{"read", command::kRead, {"从对讲机读取数据", "Read from radio"}},
    ToolbarButtonSpec{"write", command::kWrite, {"向对讲机写入数据", "Write to radio"}},
    ToolbarButtonSpec{"Exit", command::kExit, {"退出", "Exit"}},
};

bool isSubmenu(const char* name)
{
    for (const MenuItemSpec& item : menuItems())
        if (item.parent && QLatin1String(item.parent) == QLatin1String(name))
            return true;
    return false;
}


} // namespace

MainWindow::MainWindow(AppState& state, Options options, QWidget* parent)
    : QMainWindow(parent), state_(state), options_(options), workspace_(new QMdiArea(this)),
      qtTexts_(new QTranslator(this))
{
    setObjectName("MDImain");
    setWindowIcon(programIcon());
    workspace_->setObjectName("workspace");
    workspace_->setBackground(QColor(128, 128, 128));
    workspace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(workspace_);
    connect(workspace_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
        if (auto* frame = qobject_cast<ChildFrame*>(window); frame && frame->child())
            frame->child()->activated();
    });
    buildMenus();
    buildToolbar();
    buildStatusBar();
}

void MainWindow::registerWindow(const QString& windowName, const QStringList& commands, WindowBuilder build,
                             Reopen reopen)
{
    builders_[windowName] = std::move(build);
    reopen_[windowName] = reopen;
    for (const QString& command : commands) {
        Q_ASSERT_X(menuItems_.count(command) > 0, "MainWindow::registerWindow", qPrintable(command));
        commandWindows_[command] = windowName;
    }
}

QString MainWindow::windowFor(const QString& command) const
{
    const auto it = commandWindows_.find(command);
    return it == commandWindows_.end() ? QString() : it->second;
}

bool MainWindow::hasWindow(const QString& windowName) const { return builders_.count(windowName) > 0; }

void MainWindow::registerCommand(const QString& command, std::function<void()> action)
{
    commandActions_[command] = std::move(action);
}

QStringList MainWindow::windowNames() const
{
    QStringList names;
    for (const auto& [name, build] : builders_)
        names << name;
    return names;
}

void MainWindow::startUp(const std::function<int()>& probePort)
{
    state_.versionText = AppState::kVersionText;
    state_.language = options_.language;
    // The About box and the radio's access sequence need no preparation: the
    // box takes its texts when it opens, the sequence is a constant.

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->geometry().size();
        resize(int(size.width() / 1.3), int(size.height() / 1.2));
    }
    for (size_t i = 0; i < panels_.size(); ++i)
        panelWidths_.push_back(width() * statusPanels()[i].widthPercent / 100);
    applyMenuVisibility();
    applyCaptions(true);
    followLanguageInQtTexts();

    // No port stays open after the probe: it only finds one that can be opened.
    state_.comPort = probePort();
    showPortInStatusBar();

    state_.currentModel = kStartModel;
    state_.bandLow = kModels[kStartModel].bandLow;
    state_.bandHigh = kModels[kStartModel].bandHigh;
    setPanelText(kVersionPanel, state_.versionText);
    showBandInStatusBar();

    state_.image = startUpImage(state_.currentModel);
    state_.adjust = defaultAdjustImage();

    openWindow(window::kChannelGrid);
}

void MainWindow::buildMenus()
{
    std::map<QString, QMenu*> submenus;
    for (const MenuItemSpec& item : menuItems()) {
        QMenu* parentMenu = item.parent ? submenus.at(item.parent) : nullptr;
        QAction* action = nullptr;
        if (isMenuSeparator(item)) {
            action = parentMenu->addSeparator();
        } else if (isSubmenu(item.name)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
            menu->setObjectName(QString(item.name) + "_menu");
            submenus[item.name] = menu;
            action = menu->menuAction();
        } else {
            action = parentMenu ? parentMenu->addAction(QString()) : menuBar()->addAction(QString());
            const QString command = item.name;
            connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        }
        action->setObjectName(item.name);
        if (*item.key)
            action->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
        menuItems_[item.name] = action;
    }
    menuItems_.at(command::kChinese)->setCheckable(true);
    menuItems_.at(command::kEnglish)->setCheckable(true);
}

void MainWindow::buildToolbar()
{
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(32, 32));
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        QAction* action = toolbar_->addAction(toolbarIcon(button.key), QString());
        action->setObjectName(button.key);
        toolbar_->widgetForAction(action)->setObjectName(QString("Toolbar1_") + button.key);
        const QString command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
        toolbarButtons_[button.key] = action;
    }
}

void MainWindow::buildStatusBar()
{
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(true);
    int number = 1;
    for (const StatusPanelSpec& layout : statusPanels()) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QString("Panel%1").arg(number++));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        statusBar()->addWidget(panel, &layout == &statusPanels().back() ? 1 : 0);
        panels_.push_back(panel);
    }
}

void MainWindow::applyMenuVisibility()
{
    const auto shownItem = [this](const MenuItemSpec& item) {
        const auto builtBehind = [this](const QString& command) {
            const auto it = commandWindows_.find(command);
            return (it != commandWindows_.end() && hasWindow(it->second)) || commandActions_.count(command) > 0;
        };
        switch (item.shown) {
        case MenuShown::Always:
            return true;
        case MenuShown::WhenBuilt:
            return builtBehind(isMenuSeparator(item) ? QString(item.name).mid(4) : QString(item.name));
        case MenuShown::FactoryOnly:
            return options_.factory && builtBehind(item.name);
        case MenuShown::Never:
            return false;
        }
        return false;
    };
    for (const MenuItemSpec& item : menuItems()) {
        QAction* action = menuItems_.at(item.name);
        const bool shown = shownItem(item);
        action->setVisible(shown);
        action->setEnabled(shown);
    }
}

void MainWindow::applyCaptions(bool atStartUp)
{
    const Language language = state_.language;
    for (const MenuItemSpec& item : menuItems()) {
        if (isMenuSeparator(item))
            continue;
        menuItems_.at(item.name)->setText(menuCaption(item, language, atStartUp));
    }
    menuItems_.at(command::kChinese)->setChecked(language == Language::Chinese);
    menuItems_.at(command::kEnglish)->setChecked(language != Language::Chinese);

    int number = 1;
    for (const StatusPanelSpec& layout : statusPanels()) {
        if (layout.zh) {
            const char* zh = (atStartUp && layout.startUpZh) ? layout.startUpZh : layout.zh;
            setPanelText(number, QString::fromUtf8(language == Language::Chinese ? zh : layout.en));
        }
        ++number;
    }
    showPortInStatusBar();

    // The buttons show only their pictures; the text is what a screen reader says.
    for (const ToolbarButtonSpec& button : kToolbarButtons) {
        toolbarButtons_.at(button.key)->setText(button.toolTip.in(language));
        toolbarButtons_.at(button.key)->setToolTip(button.toolTip.in(language));
    }
    toolbar_->setWindowTitle(language == Language::Chinese ? QString::fromUtf8("工具栏") : QString("Toolbar"));
    setWindowTitle(kMainWindowTitle.in(language));
}

void MainWindow::switchLanguage(Language language)
{
    state_.language = language;
    applyCaptions(false);
    followLanguageInQtTexts();
    // Every open window re-captions itself, so the screen never shows both languages.
    for (const auto& [name, frame] : open_) {
        if (frame && frame->child()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(frame->child(), &change);
        }
    }
}

void MainWindow::followLanguageInQtTexts()
{
    // Qt's own texts (message-box buttons, the file and print dialogs) come
    // from Qt's Chinese translation; without it they stay English.
    QCoreApplication::removeTranslator(qtTexts_);
    if (state_.language == Language::Chinese
        && qtTexts_->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts_);
}

void MainWindow::showPortInStatusBar() { setPanelText(kPortPanel, "COM" + QString::number(state_.comPort)); }

void MainWindow::showBandInStatusBar()
{
    setPanelText(kBandPanel, bandStatusText(state_.bandLow, state_.bandHigh));
}

void MainWindow::showStatusText(const QString& text) { setPanelText(kLinkStatusPanel, text); }

void MainWindow::setPanelText(int panel, const QString& text)
{
    // Each panel keeps its share of the start-up width, and grows rather than
    // cut a text that needs more (a narrow window, a large font). The last
    // one only fills what is left: holding its share too, the panels would
    // need more than the whole width and run into each other.
    QLabel* label = panels_.at(size_t(panel - 1));
    label->setText(text);
    const bool filler = size_t(panel) == panels_.size();
    const int share = !filler && size_t(panel - 1) < panelWidths_.size() ? panelWidths_[size_t(panel - 1)] : 0;
    label->setMinimumWidth(std::max(share, label->sizeHint().width()));
}

QString MainWindow::panelText(int panel) const { return panels_.at(size_t(panel - 1))->text(); }

QAction* MainWindow::menuItem(const QString& name) const
{
    const auto it = menuItems_.find(name);
    return it == menuItems_.end() ? nullptr : it->second;
}

QAction* MainWindow::toolbarButton(const QString& key) const
{
    const auto it = toolbarButtons_.find(key);
    return it == toolbarButtons_.end() ? nullptr : it->second;
}

void MainWindow::runCommand(const QString& command)
{
    if (command == command::kChinese || command == command::kEnglish) {
        switchLanguage(command == command::kChinese ? Language::Chinese : Language::English);
    } else if (command == command::kExitFromFile || command == command::kExit) {
        close();
    } else if (const auto it = commandWindows_.find(command); it != commandWindows_.end()) {
        if (reopen_[it->second] == Reopen::BringForward)
            showWindow(it->second);
        else
            openWindow(it->second);
    } else if (const auto action = commandActions_.find(command); action != commandActions_.end()) {
        action->second();
    }
    // File_New and the commands without a window do nothing.
}

ChildFrame* MainWindow::frameOf(const QString& windowName) const
{
    const auto it = open_.find(windowName);
    if (it == open_.end() || !it->second || it->second->isHidden() || !it->second->child())
        return nullptr;
    return it->second;
}

ChildWindow* MainWindow::child(const QString& windowName) const
{
    ChildFrame* frame = frameOf(windowName);
    return frame ? frame->child() : nullptr;
}

ChildWindow* MainWindow::showWindow(const QString& windowName)
{
    ChildFrame* frame = frameOf(windowName);
    if (!frame)
        return openWindow(windowName);
    workspace_->setActiveSubWindow(frame);
    return frame->child();
}

void MainWindow::closeWindow(const QString& windowName)
{
    if (ChildFrame* frame = frameOf(windowName))
        frame->closeWithoutAsking();
    open_.erase(windowName);
}

ChildWindow* MainWindow::openWindow(const QString& windowName)
{
    const auto builder = builders_.find(windowName);
    // Every name the program opens is registered at start-up; an unknown one
    // is a slip in the wiring, not something a user can cause.
    Q_ASSERT_X(builder != builders_.end(), "MainWindow::openWindow", qPrintable(windowName));
    if (builder == builders_.end())
        return nullptr;
    closeWindow(windowName);
    ChildWindow* window = builder->second();
    window->setObjectName(windowName);
    auto* frame = new ChildFrame(window);
    workspace_->addSubWindow(frame);
    frame->setWindowIcon(windowIcon());
    frame->setGeometry(fitIntoWorkspace(window->initialGeometry(size()), frame->minimumSizeHint()));
    open_[windowName] = frame;
    frame->show();
    workspace_->setActiveSubWindow(frame);
    window->focusFirstControl();
    return window;
}

QRect MainWindow::fitIntoWorkspace(QRect rect, QSize minimum) const
{
    // Windows size themselves from the frame; the workspace is the frame less
    // its menu bar, toolbar and status bar, and no window should open with its
    // buttons out of sight. Nor smaller than its controls need (a small
    // screen, a large scale): the workspace then scrolls to the rest.
    const QSize room(width(), height() - menuBar()->sizeHint().height() - toolbar_->sizeHint().height()
                                  - statusBar()->sizeHint().height());
    rect.setWidth(std::max(std::min(rect.width(), room.width()), minimum.width()));
    rect.setHeight(std::max(std::min(rect.height(), room.height()), minimum.height()));
    rect.moveLeft(std::max(0, std::min(rect.left(), room.width() - rect.width())));
    rect.moveTop(std::max(0, std::min(rect.top(), room.height() - rect.height())));
    return rect;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Ends the program without a question: nothing is saved, and a transfer in
    // progress is abandoned (its port closes with its window).
    for (auto& [name, frame] : open_)
        if (frame)
            frame->closeWithoutAsking();
    open_.clear();
    event->accept();
}

} // namespace r5
