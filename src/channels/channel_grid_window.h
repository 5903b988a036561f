#pragma once

#include "ui/child_window.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QValidator;

namespace r5 {

// The channel grid: one line per channel, one column per field the dealer
// edits most. A click opens a floating editor over the cell (a text box for
// the frequencies, a drop-down for the rest); leaving the cell commits it into
// the image at once, and the line is redrawn from the image, so the grid always
// shows what the radio will get.
class ChannelGridWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ChannelGridWindow(AppState& state, QWidget* parent = nullptr);

    // Redraws every line: a read, a file load or the detail editor shows at once.
    void activated() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

    // The title names the current channel; the detail editor changes it too.
    void updateTitle();

signals:
    // Channel Edit: the main window opens the detail editor on currentChannel.
    void channelEditRequested();
    // Close: the main window closes the grid, the detail editor and the
    // channel-file windows.
    void closeRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildGrid();
    void showHeaders();
    void retranslate() override;
    void drawChannelRow(int channelNumber);
    void showAllRows();
    QString cellText(int line, int column) const;

    void clickCell(int line, int column);
    void openCellEditor(int line, int column);
    void commitCellEditor();
    void frameStateChanged(Qt::WindowStates before, Qt::WindowStates now);
    void dropCellEdit();
    void hideEditors();
    void showComboText(const QString& text);
    void placeEditor(QWidget* editor, int line, int column);
    void moveOnEnter();
    void tabOutOfEditor(bool forward);
    void chooseEntry(int position);

    bool filterGridMouse(QEvent* event);
    bool filterComboKey(QKeyEvent* event);
    void commitOnFocusLeavingGrid(QFocusEvent* event);

    void restoreDefaults();
    void clearChannels();
    void requestClose();

    Language language_;
    QTableWidget* grid_;
    QLineEdit* textEditor_;
    QComboBox* listEditor_;
    QPushButton* editButton_;
    QPushButton* defaultButton_;
    QPushButton* clearButton_;
    QPushButton* helpButton_;
    QPushButton* closeButton_;

    // The cell an editor was laid over; only such a cell commits when left.
    bool opened_ = false;
    int editLine_ = 0;
    int editColumn_ = 0;
    QString savedText_;  // the cell's text when its editor opened
    bool programClosing_ = false;  // the main window is closing, and this one with it
    const QValidator* toneValidator_ = nullptr;  // the tone cells' characters
};

} // namespace r5
