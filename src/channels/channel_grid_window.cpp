#include "channels/channel_grid_window.h"

#include "app/prompt.h"
#include "ui/input_filter.h"
#include "channels/editor_keys.h"
#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_input.h"
#include "model/tone_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMetaMethod>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace r5 {
namespace {

constexpr Text kEditCaption{"信道编辑", "Channel Edit"};
constexpr Text kDefaultCaption{"出厂值", "Default"};
constexpr Text kClearCaption{"清除", "Clear"};

constexpr int kCellPadding = 10;       // pixels each side of a cell's widest text
constexpr int kDropDownArrow = 24;     // room for the drop-down's arrow over a cell
constexpr int kSubWindowFrame = 40;    // the workspace's title bar and borders
constexpr int kRowPadding = 4;         // pixels above and below a line's text

// Line n of the grid shows channel n; the table's rows count from 0.
int rowOf(int line) { return line - 1; }
int lineOf(int row) { return row + 1; }

bool isFrequencyColumn(int column) { return column == grid::kReceiveColumn || column == grid::kTransmitColumn; }
bool isToneColumn(int column) { return column == grid::kDecodeColumn || column == grid::kEncodeColumn; }

QPushButton* makeButton(const char* name, const Text& caption, bool chinese, QWidget* parent)
{
    auto* button = new QPushButton(caption.in(chinese), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The widest texts a column shows, so no text is ever cut.
QStringList widestSamples(int column, bool chinese)
{
    QStringList samples = grid::choices(column, chinese);
    if (isFrequencyColumn(column))
        samples << "000.00000";
    if (isToneColumn(column))
        samples << ToneTable::paddedName(ToneTable::kFirstDcsNormal) << "000.0";
    if (column == grid::kNumberColumn)
        samples << QString::number(channel::kLast);
    if (column == grid::kScramblerColumn)
        samples << QString::number(channel::kScrambler.maxValue());  // a nibble the list lacks
    return samples;
}

} // namespace

frm_chann::frm_chann(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), chinese_(state.LanguageFlag)
{
    setObjectName("frm_chann");

    grid_ = new QTableWidget(channel::kCount, grid::kColumnCount, this);
    grid_->setObjectName("MSF_chann");

    textEdit_ = new QLineEdit(grid_->viewport());
    textEdit_->setObjectName("Text_Edit");
    restrictInput(textEdit_, [](QChar c) { return frequencyKey(c).has_value(); });
    textEdit_->hide();
    textEdit_->installEventFilter(this);

    comboEdit_ = new QComboBox(grid_->viewport());
    comboEdit_->setObjectName("Combo_edit");
    comboEdit_->setEditable(true);
    comboEdit_->setInsertPolicy(QComboBox::NoInsert);
    comboEdit_->setCompleter(nullptr);  // a typed "D" must stay a "D"
    comboEdit_->setMaxVisibleItems(16);
    comboEdit_->hide();
    comboEdit_->installEventFilter(this);
    restrictInput(comboEdit_, [](QChar c) { return grid::toneKey(c).has_value(); });
    toneValidator_ = comboEdit_->lineEdit()->validator();
    connect(comboEdit_, &QComboBox::activated, this, &frm_chann::chooseEntry);
    // DCS names are written in capitals, however the letters arrive.
    connect(comboEdit_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        QLineEdit* edit = comboEdit_->lineEdit();
        const int cursor = edit->cursorPosition();
        if (text != text.toUpper()) {
            edit->setText(text.toUpper());
            edit->setCursorPosition(cursor);
        }
    });

    buildGrid();

    editButton_ = makeButton("Command_Edit", kEditCaption, chinese_, this);
    defaultButton_ = makeButton("Command_def", kDefaultCaption, chinese_, this);
    clearButton_ = makeButton("Command_clear", kClearCaption, chinese_, this);
    helpButton_ = makeButton("Command_Help", kHelpCaption, chinese_, this);
    closeButton_ = makeButton("Command_close", kCloseCaption, chinese_, this);
    connect(editButton_, &QPushButton::clicked, this, [this] {
        CommitCellEdit();
        emit channelEditRequested();
    });
    connect(defaultButton_, &QPushButton::clicked, this, &frm_chann::restoreDefaults);
    connect(clearButton_, &QPushButton::clicked, this, &frm_chann::clearChannels);
    connect(closeButton_, &QPushButton::clicked, this, &frm_chann::requestClose);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {editButton_, defaultButton_, clearButton_, helpButton_, closeButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    setTabOrder(grid_, editButton_);
    setTabOrder(editButton_, defaultButton_);
    setTabOrder(defaultButton_, clearButton_);
    setTabOrder(clearButton_, helpButton_);
    setTabOrder(helpButton_, closeButton_);

    state.CurrentChannel = channel::kFirst;
    showAllRows();
    updateTitle();
}

void frm_chann::buildGrid()
{
    const QStringList headers = grid::headerTexts(chinese_);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setTabKeyNavigation(false);  // Tab leaves the grid for the buttons
    grid_->setWordWrap(false);
    grid_->setCornerButtonEnabled(false);

    for (int row = 0; row < channel::kCount; ++row)
        for (int column = 0; column < grid::kColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignCenter);
            if (column == grid::kNumberColumn)
                item->setText(QString::number(lineOf(row)));
            grid_->setItem(row, column, item);
        }

    // Lines as high as their text, so all 16 show on a small screen; the
    // editors laid over a cell take its height.
    const int rowHeight = grid_->fontMetrics().height() + 2 * kRowPadding;
    grid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(rowHeight);

    const QFontMetrics cellMetrics = grid_->fontMetrics();
    const QFontMetrics headerMetrics = grid_->horizontalHeader()->fontMetrics();
    for (int column = 0; column < grid::kColumnCount; ++column) {
        int width = headerMetrics.horizontalAdvance(headers[column]);
        for (const QString& sample : widestSamples(column, chinese_)) {
            const int arrow = column >= grid::kDecodeColumn ? kDropDownArrow : 0;
            width = std::max(width, cellMetrics.horizontalAdvance(sample) + arrow);
        }
        grid_->setColumnWidth(column, width + 2 * kCellPadding);
    }

    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    // An editor floats over the viewport and would stay behind while the
    // cells move: the cell is committed as the editor goes, so no hidden
    // editor can later write old text over newer data.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &frm_chann::CommitCellEdit);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &frm_chann::CommitCellEdit);
    // Leaving an opened cell by the arrow keys commits it as well.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
        if (opened_ && (lineOf(row) != editLine_ || column != editColumn_))
            CommitCellEdit();
    });
}

QRect frm_chann::initialGeometry(const QSize& mainWindowSize) const
{
    int width = 2 * grid_->frameWidth() + kSubWindowFrame;
    for (int column = 0; column < grid::kColumnCount; ++column)
        width += grid_->columnWidth(column);
    const int height = grid_->horizontalHeader()->sizeHint().height()
        + channel::kCount * grid_->verticalHeader()->defaultSectionSize() + 2 * grid_->frameWidth()
        + closeButton_->sizeHint().height() + 2 * kSubWindowFrame;
    const int w = std::min(width, mainWindowSize.width());
    const int h = std::min(height, mainWindowSize.height());
    return QRect(std::max(0, (mainWindowSize.width() - w) / 2), 0, w, h);
}

void frm_chann::updateTitle()
{
    setWindowTitle(grid::windowTitle(state().CurrentChannel, chinese_));
}

void frm_chann::activated()
{
    showAllRows();
    // A read, a file load or the detail editor changed the cell under an
    // editor still open: its text is out of date and must not be committed.
    if (opened_ && cellText(editLine_, editColumn_) != savedText_)
        dropCellEdit();
}

bool frm_chann::event(QEvent* event)
{
    // The workspace frame arrives after construction; when it stops being the
    // active window (another window opens, a file is loaded, a read starts)
    // the open cell is committed first, so nothing written elsewhere is
    // overwritten later by it.
    if (event->type() == QEvent::ParentChange)
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(frame, &QMdiSubWindow::windowStateChanged, this, &frm_chann::frameStateChanged,
                    Qt::UniqueConnection);
    return ChildWindow::event(event);
}

void frm_chann::frameStateChanged(Qt::WindowStates, Qt::WindowStates now)
{
    if (!(now & Qt::WindowActive))
        CommitCellEdit();
}

QString frm_chann::cellText(int line, int column) const
{
    return grid_->item(rowOf(line), column)->text();
}

void frm_chann::ShowChannelRow(int n)
{
    grid::settleEmptyChannel(state().image, n);
    for (int column = grid::kReceiveColumn; column < grid::kColumnCount; ++column)
        grid_->item(rowOf(n), column)->setText(grid::cellText(state().image, n, column, chinese_));
}

void frm_chann::showAllRows()
{
    for (int n = channel::kFirst; n <= channel::kLast; ++n)
        ShowChannelRow(n);
}

void frm_chann::clickCell(int line, int column)
{
    CommitCellEdit();
    grid_->setCurrentCell(rowOf(line), column);
    state().CurrentChannel = line;
    updateTitle();
    BeginCellEdit(line, column);
}

void frm_chann::BeginCellEdit(int line, int column)
{
    CommitCellEdit();
    if (!grid::isEditableCell(state().image, line, column)) {
        hideEditors();
        grid_->setFocus(Qt::OtherFocusReason);
        return;
    }
    opened_ = true;
    editLine_ = line;
    editColumn_ = column;
    const QString text = cellText(line, column);
    savedText_ = text;

    if (isFrequencyColumn(column)) {
        comboEdit_->hide();
        textEdit_->setText(text);
        textEdit_->selectAll();  // typing replaces the shown frequency
        placeEditor(textEdit_, line, column);
        textEdit_->setFocus(Qt::OtherFocusReason);
        return;
    }
    textEdit_->hide();
    comboEdit_->lineEdit()->setValidator(nullptr);
    comboEdit_->clear();
    comboEdit_->addItems(grid::choices(column, chinese_));
    // Only tones may be typed; the other columns are chosen from the list.
    comboEdit_->lineEdit()->setReadOnly(!isToneColumn(column));
    comboEdit_->setCurrentIndex(comboEdit_->findText(text.trimmed()));
    showComboText(text.trimmed());
    comboEdit_->lineEdit()->selectAll();
    placeEditor(comboEdit_, line, column);
    comboEdit_->setFocus(Qt::OtherFocusReason);
}

void frm_chann::showComboText(const QString& text)
{
    // The cell's own text ("None", "无") is shown as it is; only what the
    // user types into a tone cell is kept to the tone characters.
    comboEdit_->lineEdit()->setValidator(nullptr);
    comboEdit_->setEditText(text);
    if (isToneColumn(editColumn_))
        comboEdit_->lineEdit()->setValidator(toneValidator_);
}

void frm_chann::placeEditor(QWidget* editor, int line, int column)
{
    editor->setGeometry(grid_->visualRect(grid_->model()->index(rowOf(line), column)));
    editor->show();
    editor->raise();
}

void frm_chann::hideEditors()
{
    if (textEdit_->hasFocus() || comboEdit_->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
    textEdit_->hide();
    comboEdit_->hide();
}

void frm_chann::dropCellEdit()
{
    opened_ = false;
    hideEditors();
    textEdit_->clear();
    comboEdit_->clear();
}

void frm_chann::CommitCellEdit()
{
    if (!opened_)
        return;
    opened_ = false;
    const int line = editLine_;
    const int column = editColumn_;
    const QString text = isFrequencyColumn(column) ? textEdit_->text() : comboEdit_->currentText();
    hideEditors();
    textEdit_->clear();
    comboEdit_->clear();

    std::optional<Text> message;
    if (column == grid::kReceiveColumn)
        message = grid::CommitReceive(state(), line, text).message;
    else if (column == grid::kTransmitColumn)
        message = grid::CommitTransmit(state(), line, text).message;
    else if (isToneColumn(column))
        grid::commitToneText(state().image, line, column, text);
    // The other columns were written when their entry was chosen.
    ShowChannelRow(line);
    if (message)
        showPrompt(this, message->in(state().LanguageFlag), state().LanguageFlag);
}

void frm_chann::chooseEntry(int position)
{
    if (!opened_ || isFrequencyColumn(editColumn_))
        return;
    grid::applyChoice(state().image, editLine_, editColumn_, position);
    if (isToneColumn(editColumn_)) {
        ShowChannelRow(editLine_);
        showComboText(comboEdit_->itemText(position));
    }
}

void frm_chann::moveOnEnter()
{
    if (!opened_)
        return;
    const grid::CellPosition from{editLine_, editColumn_};
    CommitCellEdit();
    const bool lineEmpty = cellText(from.line, grid::kReceiveColumn).trimmed().isEmpty()
        && cellText(from.line, grid::kTransmitColumn).trimmed().isEmpty();
    const grid::CellPosition to = grid::enterMove(from, lineEmpty);
    grid_->setCurrentCell(rowOf(to.line), to.column);
    BeginCellEdit(to.line, to.column);
}

void frm_chann::tabOutOfEditor(bool forward)
{
    // The editors float over the grid, so Qt would hand the focus to the grid
    // and leave the editor open with its text uncommitted. Tab in an editor
    // commits the cell and then moves on as Tab on the grid does.
    CommitCellEdit();
    grid_->setFocus(Qt::OtherFocusReason);
    focusNextPrevChild(forward);
}

bool frm_chann::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && watched != this) {
        if (event->type() == QEvent::Close)
            programClosing_ = true;
        return false;
    }
    if (watched == grid_->viewport())
        return filterGridMouse(event);
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        // Enter or F2 on the grid opens the current cell, as a click does.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((isEnterKey(key) || key->key() == Qt::Key_F2) && grid_->currentRow() >= 0) {
            clickCell(lineOf(grid_->currentRow()), grid_->currentColumn());
            return true;
        }
        return false;
    }
    if (watched == textEdit_ || watched == comboEdit_) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            // Both editors move on Enter and Tab alike.
            if (isEnterKey(key)) {
                moveOnEnter();
                return true;
            }
            if (isTabKey(key)) {
                tabOutOfEditor(key->key() == Qt::Key_Tab);
                return true;
            }
            if (watched == comboEdit_)
                return filterComboKey(key);
            // A refused key leaves the text alone rather than replacing a selection.
            return typesCharacter(key) && !(key->text().size() == 1 && frequencyKey(key->text()[0]));
        }
        if (event->type() == QEvent::FocusOut)
            commitOnFocusLeavingGrid(static_cast<QFocusEvent*>(event));
    }
    return ChildWindow::eventFilter(watched, event);
}

bool frm_chann::filterGridMouse(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = grid_->indexAt(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && index.isValid())
            clickCell(lineOf(index.row()), index.column());
        return true;
    }
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return true;  // the grid selects nothing by dragging
    default:
        return false;
    }
}

bool frm_chann::filterComboKey(QKeyEvent* event)
{
    if (!isToneColumn(editColumn_))
        return typesCharacter(event) || event->key() == Qt::Key_Backspace;  // chosen from the list only
    // A refused key leaves the text alone rather than replacing a selection.
    const QString text = event->text();
    return typesCharacter(event) && !(text.size() == 1 && grid::toneKey(text[0]));
}

void frm_chann::commitOnFocusLeavingGrid(QFocusEvent* event)
{
    // Leaving the editor for another control of the program (a button, the
    // detail editor) ends the edit; a drop-down's list, a message box or
    // another application does not.
    if (!opened_ || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget* next = QApplication::focusWidget();
    if (!next || next->window() != window() || next == grid_ || grid_->isAncestorOf(next))
        return;
    CommitCellEdit();
}

void frm_chann::restoreDefaults()
{
    CommitCellEdit();
    grid::applyDefaultChannels(state().image, state().CurrentModel);
    showAllRows();
}

void frm_chann::clearChannels()
{
    CommitCellEdit();
    grid::clearAllChannels(state().image);
    showAllRows();
}

void frm_chann::requestClose()
{
    CommitCellEdit();
    if (isSignalConnected(QMetaMethod::fromSignal(&frm_chann::closeRequested))) {
        emit closeRequested();
        return;
    }
    // Without a main window to close the channel windows, close this one.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void frm_chann::showEvent(QShowEvent* event)
{
    // Watches the main window for its closing: see closeEvent.
    if (window() != this)
        window()->installEventFilter(this);
    ChildWindow::showEvent(event);
}

void frm_chann::closeEvent(QCloseEvent* event)
{
    // A cell left open is committed when the window closes, but dropped when
    // the program ends: it saves nothing then, and a range message would
    // appear during shutdown.
    if (programClosing_)
        dropCellEdit();
    else
        CommitCellEdit();
    ChildWindow::closeEvent(event);
}

} // namespace r5
