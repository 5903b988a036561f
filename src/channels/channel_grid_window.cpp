#include "channels/channel_grid_window.h"

#include "model/channel_edit_rules.h"
#include "model/channel_grid_rules.h"
#include "model/channel_record.h"
#include "model/frequency_input.h"
#include "model/tone_table.h"
#include "model/window_names.h"
#include "ui/captions.h"
#include "ui/editor_keys.h"
#include "ui/input_filter.h"
#include "ui/prompt.h"

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

QPushButton* makeButton(const char* name, const Text& caption, Language language, QWidget* parent)
{
    auto* button = captioned(new QPushButton(parent), caption, language);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The widest texts a column shows, so no text is ever cut.
QStringList widestSamples(int column, Language language)
{
    QStringList samples = grid::choices(column, language);
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

ChannelGridWindow::ChannelGridWindow(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), language_(state.language)
{
    setObjectName(window::kChannelGrid);

    grid_ = new QTableWidget(channel::kCount, grid::kColumnCount, this);
    grid_->setObjectName("MSF_chann");

    textEditor_ = new QLineEdit(grid_->viewport());
    textEditor_->setObjectName("Text_Edit");
    restrictInput(textEditor_, [](QChar c) { return frequencyKey(c).has_value(); });
    textEditor_->hide();
    textEditor_->installEventFilter(this);

    listEditor_ = new QComboBox(grid_->viewport());
    listEditor_->setObjectName("Combo_edit");
    listEditor_->setEditable(true);
    listEditor_->setInsertPolicy(QComboBox::NoInsert);
    listEditor_->setCompleter(nullptr);  // a typed "D" must stay a "D"
    listEditor_->setMaxVisibleItems(16);
    listEditor_->hide();
    listEditor_->installEventFilter(this);
    restrictInput(listEditor_, [](QChar c) { return grid::toneKey(c).has_value(); });
    toneValidator_ = listEditor_->lineEdit()->validator();
    connect(listEditor_, &QComboBox::activated, this, &ChannelGridWindow::chooseEntry);
    // DCS names are written in capitals, however the letters arrive.
    connect(listEditor_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        QLineEdit* edit = listEditor_->lineEdit();
        const int cursor = edit->cursorPosition();
        if (text != text.toUpper()) {
            edit->setText(text.toUpper());
            edit->setCursorPosition(cursor);
        }
    });

    buildGrid();

    editButton_ = makeButton("Command_Edit", kEditCaption, language_, this);
    defaultButton_ = makeButton("Command_def", kDefaultCaption, language_, this);
    clearButton_ = makeButton("Command_clear", kClearCaption, language_, this);
    helpButton_ = makeButton("Command_Help", kHelpCaption, language_, this);
    closeButton_ = makeButton("Command_close", kCloseCaption, language_, this);
    connect(editButton_, &QPushButton::clicked, this, [this] {
        commitCellEditor();
        emit channelEditRequested();
    });
    connect(defaultButton_, &QPushButton::clicked, this, &ChannelGridWindow::restoreDefaults);
    connect(clearButton_, &QPushButton::clicked, this, &ChannelGridWindow::clearChannels);
    connect(closeButton_, &QPushButton::clicked, this, &ChannelGridWindow::requestClose);

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

    state.currentChannel = channel::kFirst;
    showAllRows();
    updateTitle();
}

void ChannelGridWindow::buildGrid()
{
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
    showHeaders();

    grid_->viewport()->installEventFilter(this);
    grid_->installEventFilter(this);
    // An editor floats over the viewport and would stay behind while the
    // cells move: the cell is committed as the editor goes, so no hidden
    // editor can later write old text over newer data.
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGridWindow::commitCellEditor);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChannelGridWindow::commitCellEditor);
    // Leaving an opened cell by the arrow keys commits it as well.
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
        if (opened_ && (lineOf(row) != editLine_ || column != editColumn_))
            commitCellEditor();
    });
}

void ChannelGridWindow::showHeaders()
{
    const QStringList headers = grid::headerTexts(language_);
    grid_->setHorizontalHeaderLabels(headers);
    const QFontMetrics cellMetrics = grid_->fontMetrics();
    const QFontMetrics headerMetrics = grid_->horizontalHeader()->fontMetrics();
    for (int column = 0; column < grid::kColumnCount; ++column) {
        int width = headerMetrics.horizontalAdvance(headers[column]);
        for (const QString& sample : widestSamples(column, language_)) {
            const int arrow = column >= grid::kDecodeColumn ? kDropDownArrow : 0;
            width = std::max(width, cellMetrics.horizontalAdvance(sample) + arrow);
        }
        grid_->setColumnWidth(column, width + 2 * kCellPadding);
    }
}

void ChannelGridWindow::retranslate()
{
    commitCellEditor();  // as when the grid scrolls: the open cell is kept before its words change
    language_ = state().language;
    ChildWindow::retranslate();
    showHeaders();
    showAllRows();
    updateTitle();
}

QRect ChannelGridWindow::initialGeometry(const QSize& mainWindowSize) const
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

void ChannelGridWindow::updateTitle()
{
    setWindowTitle(grid::windowTitle(state().currentChannel, language_));
}

void ChannelGridWindow::activated()
{
    showAllRows();
    // A read, a file load or the detail editor changed the cell under an
    // editor still open: its text is out of date and must not be committed.
    if (opened_ && cellText(editLine_, editColumn_) != savedText_)
        dropCellEdit();
}

bool ChannelGridWindow::event(QEvent* event)
{
    // The workspace frame arrives after construction; when it stops being the
    // active window (another window opens, a file is loaded, a read starts)
    // the open cell is committed first, so nothing written elsewhere is
    // overwritten later by it.
    if (event->type() == QEvent::ParentChange)
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            connect(frame, &QMdiSubWindow::windowStateChanged, this, &ChannelGridWindow::frameStateChanged,
                    Qt::UniqueConnection);
    return ChildWindow::event(event);
}

void ChannelGridWindow::frameStateChanged(Qt::WindowStates, Qt::WindowStates now)
{
    if (!(now & Qt::WindowActive))
        commitCellEditor();
}

QString ChannelGridWindow::cellText(int line, int column) const
{
    return grid_->item(rowOf(line), column)->text();
}

void ChannelGridWindow::drawChannelRow(int n)
{
    grid::settleEmptyChannel(state().image, n);
    for (int column = grid::kReceiveColumn; column < grid::kColumnCount; ++column)
        grid_->item(rowOf(n), column)->setText(grid::cellText(state().image, n, column, language_));
}

void ChannelGridWindow::showAllRows()
{
    for (int n = channel::kFirst; n <= channel::kLast; ++n)
        drawChannelRow(n);
}

void ChannelGridWindow::clickCell(int line, int column)
{
    commitCellEditor();
    grid_->setCurrentCell(rowOf(line), column);
    state().currentChannel = line;
    updateTitle();
    openCellEditor(line, column);
}

void ChannelGridWindow::openCellEditor(int line, int column)
{
    commitCellEditor();
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
        listEditor_->hide();
        textEditor_->setText(text);
        textEditor_->selectAll();  // typing replaces the shown frequency
        placeEditor(textEditor_, line, column);
        textEditor_->setFocus(Qt::OtherFocusReason);
        return;
    }
    textEditor_->hide();
    listEditor_->lineEdit()->setValidator(nullptr);
    listEditor_->clear();
    listEditor_->addItems(grid::choices(column, language_));
    // Only tones may be typed; the other columns are chosen from the list.
    listEditor_->lineEdit()->setReadOnly(!isToneColumn(column));
    listEditor_->setCurrentIndex(listEditor_->findText(text.trimmed()));
    showComboText(text.trimmed());
    listEditor_->lineEdit()->selectAll();
    placeEditor(listEditor_, line, column);
    listEditor_->setFocus(Qt::OtherFocusReason);
}

void ChannelGridWindow::showComboText(const QString& text)
{
    // The cell's own text ("None", "无") is shown as it is; only what the
    // user types into a tone cell is kept to the tone characters.
    listEditor_->lineEdit()->setValidator(nullptr);
    listEditor_->setEditText(text);
    if (isToneColumn(editColumn_))
        listEditor_->lineEdit()->setValidator(toneValidator_);
}

void ChannelGridWindow::placeEditor(QWidget* editor, int line, int column)
{
    editor->setGeometry(grid_->visualRect(grid_->model()->index(rowOf(line), column)));
    editor->show();
    editor->raise();
}

void ChannelGridWindow::hideEditors()
{
    if (textEditor_->hasFocus() || listEditor_->hasFocus())
        grid_->setFocus(Qt::OtherFocusReason);
    textEditor_->hide();
    listEditor_->hide();
}

void ChannelGridWindow::dropCellEdit()
{
    opened_ = false;
    hideEditors();
    textEditor_->clear();
    listEditor_->clear();
}

void ChannelGridWindow::commitCellEditor()
{
    if (!opened_)
        return;
    opened_ = false;
    const int line = editLine_;
    const int column = editColumn_;
    const QString text = isFrequencyColumn(column) ? textEditor_->text() : listEditor_->currentText();
    hideEditors();
    textEditor_->clear();
    listEditor_->clear();

    std::optional<Text> message;
    if (column == grid::kReceiveColumn)
        message = grid::commitReceive(state(), line, text).message;
    else if (column == grid::kTransmitColumn)
        message = grid::commitTransmit(state(), line, text).message;
    else if (isToneColumn(column))
        grid::commitToneText(state().image, line, column, text);
    // The other columns were written when their entry was chosen.
    drawChannelRow(line);
    if (message)
        showPrompt(this, message->in(state().language), state().language);
}

void ChannelGridWindow::chooseEntry(int position)
{
    if (!opened_ || isFrequencyColumn(editColumn_))
        return;
    grid::applyChoice(state().image, editLine_, editColumn_, position);
    if (isToneColumn(editColumn_)) {
        drawChannelRow(editLine_);
        showComboText(listEditor_->itemText(position));
    }
}

void ChannelGridWindow::moveOnEnter()
{
    if (!opened_)
        return;
    const grid::CellPosition from{editLine_, editColumn_};
    commitCellEditor();
    const bool lineEmpty = cellText(from.line, grid::kReceiveColumn).trimmed().isEmpty()
        && cellText(from.line, grid::kTransmitColumn).trimmed().isEmpty();
    const grid::CellPosition to = grid::enterMove(from, lineEmpty);
    grid_->setCurrentCell(rowOf(to.line), to.column);
    openCellEditor(to.line, to.column);
}

void ChannelGridWindow::tabOutOfEditor(bool forward)
{
    // The editors float over the grid, so Qt would hand the focus to the grid
    // and leave the editor open with its text uncommitted. Tab in an editor
    // commits the cell and then moves on as Tab on the grid does.
    commitCellEditor();
    grid_->setFocus(Qt::OtherFocusReason);
    focusNextPrevChild(forward);
}

bool ChannelGridWindow::eventFilter(QObject* watched, QEvent* event)
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
    if (watched == textEditor_ || watched == listEditor_) {
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
            if (watched == listEditor_)
                return filterComboKey(key);
            // A refused key leaves the text alone rather than replacing a selection.
            return typesCharacter(key) && !(key->text().size() == 1 && frequencyKey(key->text()[0]));
        }
        if (event->type() == QEvent::FocusOut)
            commitOnFocusLeavingGrid(static_cast<QFocusEvent*>(event));
    }
    return ChildWindow::eventFilter(watched, event);
}

bool ChannelGridWindow::filterGridMouse(QEvent* event)
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

bool ChannelGridWindow::filterComboKey(QKeyEvent* event)
{
    if (!isToneColumn(editColumn_))
        return typesCharacter(event) || event->key() == Qt::Key_Backspace;  // chosen from the list only
    // A refused key leaves the text alone rather than replacing a selection.
    const QString text = event->text();
    return typesCharacter(event) && !(text.size() == 1 && grid::toneKey(text[0]));
}

void ChannelGridWindow::commitOnFocusLeavingGrid(QFocusEvent* event)
{
    // Leaving the editor for another control of the program (a button, the
    // detail editor) ends the edit; a drop-down's list, a message box or
    // another application does not.
    if (!opened_ || event->reason() == Qt::PopupFocusReason)
        return;
    QWidget* next = QApplication::focusWidget();
    if (!next || next->window() != window() || next == grid_ || grid_->isAncestorOf(next))
        return;
    commitCellEditor();
}

void ChannelGridWindow::restoreDefaults()
{
    commitCellEditor();
    grid::applyDefaultChannels(state().image, state().currentModel);
    showAllRows();
}

void ChannelGridWindow::clearChannels()
{
    commitCellEditor();
    grid::clearAllChannels(state().image);
    showAllRows();
}

void ChannelGridWindow::requestClose()
{
    commitCellEditor();
    if (isSignalConnected(QMetaMethod::fromSignal(&ChannelGridWindow::closeRequested))) {
        emit closeRequested();
        return;
    }
    // Without a main window to close the channel windows, close this one.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChannelGridWindow::showEvent(QShowEvent* event)
{
    // Watches the main window for its closing: see closeEvent.
    if (window() != this)
        window()->installEventFilter(this);
    ChildWindow::showEvent(event);
}

void ChannelGridWindow::closeEvent(QCloseEvent* event)
{
    // A cell left open is committed when the window closes, but dropped when
    // the program ends: it saves nothing then, and a range message would
    // appear during shutdown.
    if (programClosing_)
        dropCellEdit();
    else
        commitCellEditor();
    ChildWindow::closeEvent(event);
}

} // namespace r5
