#pragma once

#include "link/link_outcome.h"
#include "model/tuning_input.h"
#include "ui/child_window.h"
#include "windows/link_context.h"

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QStackedWidget;
class QTabBar;

namespace r5 {

class AdjustExchange;
class LinkTimer;

// frm_Adj_Txp: the factory editor of the radio's tuning block. Five tabs show
// the transmit power per frequency point (high and low), the squelch levels and
// offsets, the modulation and audio levels, and the frequency ranges with the
// two stored passwords. Every accepted edit goes into the block at once. The
// window reads and writes the block over its own link, and loads and saves it
// through the two adjustment pickers, whose requests it polls.
class AdjustWindow : public ChildWindow {
    Q_OBJECT
public:
    AdjustWindow(AppState& state, const LinkContext& link, QWidget* parent = nullptr);
    ~AdjustWindow() override;

    bool busy() const;
    bool mayClose() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

signals:
    // Open the picker of that name, or bring it forward when it is open.
    void pickerRequested(const QString& pickerName);
    // The link gave up: the main window's status bar says so.
    void statusBarText(const QString& text);
    // The window closes; its pickers close with it.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildPowerFrame();
    QWidget* buildSquelchFrame();
    QWidget* buildModulationFrame();
    QWidget* buildRangeFrame();
    QWidget* buildButtons();
    void bindExchange();
    void showOutcome(const LinkOutcome& outcome);
    void bindNumberBox(QLineEdit* box, std::function<tuning::NumberOutcome(const QString&)> enter);

    void chooseTab(int tab);
    void refresh();
    void retranslate() override;
    void leaveRangeBox(int range, bool high);
    void storeRangesFromBoxes();
    void refusedEntry(QLineEdit* box, const Text& message, tuning::MessageStyle style);
    bool refusedWhileBusy();
    void lockWhileBusy();
    void requestPicker(const char* pickerName);
    void restoreDefaults();
    void resetProgress();
    void pollRequests();
    void loadFile();
    void saveFile();

    AdjustExchange* exchange_;
    std::unique_ptr<LinkTimer> poll_;  // Timer4: the pickers' requests
    int tab_ = 0;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* frames_ = nullptr;
    std::array<std::array<QLineEdit*, tuning::kPointsPerGroup>, tuning::kGroupCount> power_{};
    std::array<QLineEdit*, tuning::kSquelchLevels> levels_{};
    std::array<QLineEdit*, tuning::kSquelchOffsetPoints> offsets_{};
    std::array<QComboBox*, tuning::kModulationCombos> modulation_{};
    std::array<QComboBox*, tuning::kLevelCombos> outputLevels_{};
    std::array<QLineEdit*, 3> rangeLow_{};
    std::array<QLineEdit*, 3> rangeHigh_{};
    std::array<QCheckBox*, 3> transmit_{};
    std::array<QLineEdit*, 2> passwords_{};
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace r5
