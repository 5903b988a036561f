#pragma once

#include "model/channel_detail_rules.h"
#include "ui/child_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace r5 {

// The channel detail editor: every field of one channel, including those the
// grid does not show. The scroll bar and the channel box choose the channel;
// the controls always show the channel edits land in (`shownChannel_`, 1 to
// 16), and currentChannel follows it so the grid's title names it too.
class ChannelDetailWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ChannelDetailWindow(AppState& state, QWidget* parent = nullptr);

    // Shows currentChannel afresh: the grid, a read or a file load may have
    // changed it, or chosen another channel, while the window was inactive.
    void activated() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

    int shownChannel() const { return shownChannel_; }

signals:
    // currentChannel changed; the main window updates the grid's title.
    void currentChannelChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();

    void showChannel(int channelNumber);
    void redisplay();
    void retranslate() override;
    void fillLists();
    void viewChannel();
    void viewEmptyChannel();
    void setControlsUsable(bool usable);
    void setEncodeUsable(bool usable);

    void scrolled(int value);
    void channelBoxEdited(const QString& text);
    void leaveChannelBox();
    void choose(detail::Field field, int position);

    void commitReceiveBox();
    void commitTransmitBox();
    void commitPendingFrequencies();
    bool filterChannelBoxKey(QKeyEvent* event);
    bool filterFrequencyKey(QKeyEvent* event);
    bool filterListKey(QKeyEvent* event);
    bool focusStaysInProgram(QFocusEvent* event) const;

    Language language_;
    int shownChannel_ = 1;
    bool programClosing_ = false;  // the main window is closing, and this one with it

    QLineEdit* channelBox_;         // Text_CHN
    QScrollBar* scrollBar_;         // VScroll1
    QLineEdit* receiveBox_;         // Text_RX_Freq
    QLineEdit* transmitBox_;        // Text_TX_Freq
    QComboBox* decodeList_;
    QComboBox* encodeList_;
    QComboBox* optionSignallingList_;
    QComboBox* spUnmuteList_;
    QComboBox* busyLockoutList_;
    QComboBox* powerList_;
    QComboBox* bandwidthList_;
    QComboBox* pttIdList_;
    QComboBox* memoryList_;
    QCheckBox* beatShiftBox_;
    QCheckBox* scanAddBox_;
    QCheckBox* priorityBox_;
    QCheckBox* companderBox_;
    QPushButton* helpButton_;
    QPushButton* closeButton_;
};

} // namespace r5
