#include "features/test_frequency_window.h"

#include "features/feature_widgets.h"
#include "ui/prompt.h"
#include "model/window_names.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace r5 {
namespace {

using namespace testfreq;

constexpr int kCellPadding = 10;  // pixels each side of a cell's widest text

bool isFrequencyColumn(int column) { return column == kReceiveColumn || column == kTransmitColumn; }

} // namespace

TestFrequencyWindow::TestFrequencyWindow(AppState& state, QWidget* parent) : ChildWindow(state, parent)
{
    const Language language = state.language;
    setObjectName(window::kTestFrequencies);
    setCaption(this, kWindowTitle, language);

    grid_ = named(new QTableWidget(kCount, kColumnCount, this), "MSF_chann");
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);
    grid_->setCornerButtonEnabled(false);
    for (int row = 0; row < kCount; ++row)
        for (int column = 0; column < kColumnCount; ++column) {
            auto* item = new QTableWidgetItem(column == kNumberColumn ? QString::number(row + 1) : QString());
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            grid_->setItem(row, column, item);
        }
    showHeaders();
    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (opened_ && (row + 1 != editLine_ || column != editColumn_))
            commitCell();
    });

    textEditor_ = named(new QLineEdit(grid_->viewport()), "Text_Edit");
    textEditor_->hide();
    textEditor_->installEventFilter(this);
    // Every line is as high as the text box laid over it, so more lines show.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(textEditor_->sizeHint().height());
    // The text box floats over the viewport; it moves with its cell.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &TestFrequencyWindow::placeEditor);

    QHBoxLayout* buttons = makeHelpCloseRow(this, language);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    showLines();
}

QRect TestFrequencyWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return fractionGeometry(mainWindowSize, 3, 2, 4);
}

void TestFrequencyWindow::activated()
{
    commitCell();
    showLines();
}

QString TestFrequencyWindow::cellText(int n, int column) const { return grid_->item(n - 1, column)->text(); }

void TestFrequencyWindow::setCellText(int n, int column, const QString& text)
{
    grid_->item(n - 1, column)->setText(text);
}

void TestFrequencyWindow::showHeaders()
{
    const QFontMetrics metrics = grid_->fontMetrics();
    const QStringList headers = headerTexts(language());
    grid_->setHorizontalHeaderLabels(headers);
    for (int column = 0; column < kColumnCount; ++column)
        grid_->setColumnWidth(column, std::max(metrics.horizontalAdvance(headers[column]),
                                               metrics.horizontalAdvance("000.00000"))
                                          + 2 * kCellPadding);
}

void TestFrequencyWindow::retranslate()
{
    ChildWindow::retranslate();
    showHeaders();
}

void TestFrequencyWindow::showLines()
{
    const TestLines lines = readTestLines(state().image);
    for (int n = 1; n <= kCount; ++n) {
        setCellText(n, kReceiveColumn, lines[size_t(n - 1)].receive);
        setCellText(n, kTransmitColumn, lines[size_t(n - 1)].transmit);
    }
}

void TestFrequencyWindow::storeLines()
{
    TestLines lines;
    for (int n = 1; n <= kCount; ++n)
        lines[size_t(n - 1)] = {cellText(n, kReceiveColumn), cellText(n, kTransmitColumn)};
    storeTestLines(state().image, lines, state().twoDigitMegahertz());
}

void TestFrequencyWindow::openCell(int n, int column)
{
    commitCell();
    grid_->setCurrentCell(n - 1, column);
    if (!isFrequencyColumn(column))
        return;
    opened_ = true;
    editLine_ = n;
    editColumn_ = column;
    textEditor_->setText(cellText(n, column));
    textEditor_->selectAll();
    placeEditor();
    textEditor_->show();
    textEditor_->raise();
    textEditor_->setFocus(Qt::OtherFocusReason);
}

void TestFrequencyWindow::placeEditor()
{
    if (opened_)
        textEditor_->setGeometry(grid_->visualRect(grid_->model()->index(editLine_ - 1, editColumn_)));
}

void TestFrequencyWindow::commitCell()
{
    if (!opened_)
        return;
    opened_ = false;
    const int n = editLine_;
    const QString typed = textEditor_->text();
    if (textEditor_->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
    textEditor_->hide();
    textEditor_->clear();

    const TestCommit commit = editColumn_ == kReceiveColumn
        ? commitTestReceive(typed, cellText(n, kTransmitColumn), state().bandLow, state().bandHigh)
        : commitTestTransmit(typed, cellText(n, kReceiveColumn), cellText(n, kTransmitColumn), state().bandLow,
                             state().bandHigh);
    setCellText(n, editColumn_, commit.cellText);
    if (commit.otherCell)
        setCellText(n, editColumn_ == kReceiveColumn ? kTransmitColumn : kReceiveColumn, *commit.otherCell);
    // Into the image at once: a write to the radio right after the edit
    // sends what the grid shows.
    storeLines();
    if (commit.message)
        showPrompt(this, commit.message->in(state().language), state().language);
}

void TestFrequencyWindow::commitOnFocusLeaving(QFocusEvent* event)
{
    // Another control of this window (a button) ends the edit; a message box,
    // a menu or another application does not.
    if (!opened_ || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget* next = QApplication::focusWidget();
    if (!next || next->window() != window() || next == grid_)
        return;
    commitCell();
}

bool TestFrequencyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = grid_->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid())
            openCell(index.row() + 1, index.column());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == textEditor_ && enter) {
            commitCell();
            return true;
        }
        if (watched == textEditor_ && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            // Tab ends the edit and moves on, as from the grid.
            commitCell();
            focusNextPrevChild(key->key() == Qt::Key_Tab);
            return true;
        }
        if (watched == grid_ && (enter || key->key() == Qt::Key_F2) && grid_->currentRow() >= 0) {
            openCell(grid_->currentRow() + 1, grid_->currentColumn());
            return true;
        }
    }
    if (watched == textEditor_ && event->type() == QEvent::FocusOut)
        commitOnFocusLeaving(static_cast<QFocusEvent*>(event));
    return ChildWindow::eventFilter(watched, event);
}

void TestFrequencyWindow::closeEvent(QCloseEvent* event)
{
    commitCell();  // what was typed is kept, never lost with the window
    ChildWindow::closeEvent(event);
}

} // namespace r5
