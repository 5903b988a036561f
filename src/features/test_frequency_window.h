#pragma once

#include "model/test_frequencies.h"
#include "ui/child_window.h"

class QFocusEvent;
class QLineEdit;
class QTableWidget;

namespace r5 {

// The radio's 16 test channels (rows 40 to 47) in a grid: a click on a
// frequency lays a text box over it; leaving the cell checks the frequency
// against the band and the grid's texts go into the image.
class TestFrequencyWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit TestFrequencyWindow(AppState& state, QWidget* parent = nullptr);

    void activated() override;
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showLines();
    void showHeaders();
    void retranslate() override;
    void storeLines();
    QString cellText(int n, int column) const;
    void setCellText(int n, int column, const QString& text);

    void openCell(int n, int column);
    void placeEditor();
    void commitCell();
    void commitOnFocusLeaving(QFocusEvent* event);

    QTableWidget* grid_;
    QLineEdit* textEditor_;
    // The cell the text box was laid over; only such a cell commits when left.
    bool opened_ = false;
    int editLine_ = 0;
    int editColumn_ = 0;
};

} // namespace r5
