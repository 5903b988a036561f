#include "channels/channel_detail_window.h"

#include "model/channel_record.h"
#include "model/frequency_input.h"
#include "model/tone_table.h"
#include "model/window_names.h"
#include "ui/editor_keys.h"
#include "ui/input_filter.h"
#include "ui/named_widgets.h"
#include "ui/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace r5 {
namespace {

using detail::Field;

constexpr int kScrollBelowFirst = 0;                 // scrolling up from channel 1 ...
constexpr int kScrollAboveLast = channel::kLast + 1; // ... or down from 16 wraps around
constexpr int kChannelBoxDigits = 2;
constexpr int kSubWindowFrame = 40;                  // the workspace's title bar and borders

constexpr Text kChannelCaption{"信道", "Channel"};
constexpr Text kReceiveCaption{"接收频率", "Receive Frequency "};
constexpr Text kTransmitCaption{"发射频率", "Transmit Frequency"};
constexpr Text kDecodeCaption{"QT/DQT 解码", "QT/DQT Decode"};
constexpr Text kEncodeCaption{"QT/DQT 编码", "QT/DQT Encode"};
constexpr Text kOptionSignallingCaption{"可选信令", "Option Signalling"};
constexpr Text kSpUnmuteCaption{"SP不静音", "SP Unmute"};
constexpr Text kPowerCaption{"发射功率", "TX Power"};
constexpr Text kBandwidthCaption{"宽带/窄带", "Wide/Narror"};
constexpr Text kBusyLockoutCaption{"繁忙信道锁定", "Busy Channel Lockout"};
constexpr Text kPttIdCaption{"PTT ID", "PTT ID"};
constexpr Text kMemoryCaption{"自动拨号存储器", "Autodial Memory"};
constexpr Text kBeatShiftCaption{"拍频偏移", "Beat Shift"};
constexpr Text kScanAddCaption{"扫描添加", "Scan Add"};
constexpr Text kPriorityCaption{"优先信道", "Priority Channel"};
constexpr Text kCompanderCaption{"压括器", "Compander"};

void fill(QComboBox* list, const QStringList& entries)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
}

// A stored value without an entry shows no entry and, in its place, the value.
void select(QComboBox* list, const detail::Selection& selection)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(selection.position);
    list->setPlaceholderText(selection.position < 0 ? selection.raw : QString());
}

void select(QComboBox* list, int position) { select(list, detail::Selection{position, {}}); }

void setChecked(QCheckBox* box, bool checked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

} // namespace

ChannelDetailWindow::ChannelDetailWindow(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), language_(state.language)
{
    setObjectName(window::kChannelDetail);
    setCaption(this, detail::kWindowTitle, language_);
    buildControls();
    connectControls();
    fillLists();
    showChannel(channel::isValidNumber(state.currentChannel) ? state.currentChannel : channel::kFirst);
}

void ChannelDetailWindow::buildControls()
{
    // Created in the order Tab visits them.
    channelBox_ = named(new QLineEdit(this), "Text_CHN");
    channelBox_->setMaxLength(kChannelBoxDigits);
    scrollBar_ = named(new QScrollBar(Qt::Vertical, this), "VScroll1");
    scrollBar_->setRange(kScrollBelowFirst, kScrollAboveLast);
    scrollBar_->setPageStep(1);
    scrollBar_->setFocusPolicy(Qt::StrongFocus);  // clicking it leaves a frequency box first
    receiveBox_ = named(new QLineEdit(this), "Text_RX_Freq");
    transmitBox_ = named(new QLineEdit(this), "Text_TX_Freq");
    decodeList_ = named(new QComboBox(this), "Combo_Decode");
    encodeList_ = named(new QComboBox(this), "Combo_Encode");
    optionSignallingList_ = named(new QComboBox(this), "Combo_Optsig");
    spUnmuteList_ = named(new QComboBox(this), "Combo_Spunmute");
    powerList_ = named(new QComboBox(this), "Combo_Txp");
    bandwidthList_ = named(new QComboBox(this), "Combo_WN");
    busyLockoutList_ = named(new QComboBox(this), "Combo_BCL");
    pttIdList_ = named(new QComboBox(this), "Combo_PTT_ID");
    memoryList_ = named(new QComboBox(this), "Combo_Memory");
    beatShiftBox_ = named(captioned(new QCheckBox(this), kBeatShiftCaption, language_), "Check_BS");
    scanAddBox_ = named(captioned(new QCheckBox(this), kScanAddCaption, language_), "Check_ScanAdd");
    priorityBox_ = named(captioned(new QCheckBox(this), kPriorityCaption, language_), "Check_Pri");
    companderBox_ = named(captioned(new QCheckBox(this), kCompanderCaption, language_), "Check_Comp");
    helpButton_ = named(captioned(new QPushButton(this), kHelpCaption, language_), "Command_Help");
    closeButton_ = named(captioned(new QPushButton(this), kCloseCaption, language_), "Command_close");

    const QList<QWidget*> tabOrder = {channelBox_, scrollBar_, receiveBox_, transmitBox_, decodeList_,
                                      encodeList_, optionSignallingList_, spUnmuteList_, powerList_,
                                      bandwidthList_, busyLockoutList_, pttIdList_, memoryList_,
                                      beatShiftBox_, scanAddBox_, priorityBox_, companderBox_,
                                      helpButton_, closeButton_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    restrictInput(channelBox_, detail::isChannelBoxCharacter);
    channelBox_->setContextMenuPolicy(Qt::NoContextMenu);  // its Cut, Delete and Undo take digits away
    for (QLineEdit* box : {receiveBox_, transmitBox_})
        restrictInput(box, [](QChar c) { return frequencyKey(c).has_value(); });
    for (QLineEdit* box : {channelBox_, receiveBox_, transmitBox_})
        box->installEventFilter(this);
    for (QComboBox* list : {decodeList_, encodeList_, optionSignallingList_, spUnmuteList_, powerList_,
                            bandwidthList_, busyLockoutList_, pttIdList_, memoryList_}) {
        list->setMaxVisibleItems(16);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->installEventFilter(this);
    }

    auto* layout = new QGridLayout(this);
    auto label = [this, layout](const char* name, const Text& caption, QWidget* buddy, int row, int column) {
        auto* text = named(captioned(new QLabel(this), caption, language_), name);
        text->setBuddy(buddy);
        layout->addWidget(text, row, column);
        layout->addWidget(buddy, row, column + 1);
    };
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(channelBox_);
    chooser->addStretch();
    // As tall as the fields, so its handle shows and can be dragged.
    layout->addWidget(scrollBar_, 0, 4, 8, 1);
    layout->addWidget(named(captioned(new QLabel(this), kChannelCaption, language_), "Label_CHN"), 0, 0);
    layout->addLayout(chooser, 0, 1);
    label("Label_RX_freq", kReceiveCaption, receiveBox_, 1, 0);
    label("Label_TX_freq", kTransmitCaption, transmitBox_, 1, 2);
    label("Label_Decode", kDecodeCaption, decodeList_, 2, 0);
    label("Label_Encode", kEncodeCaption, encodeList_, 2, 2);
    label("Label_OptSig", kOptionSignallingCaption, optionSignallingList_, 3, 0);
    label("Label_SpUnmute", kSpUnmuteCaption, spUnmuteList_, 3, 2);
    label("Label_TXP", kPowerCaption, powerList_, 4, 0);
    label("Label_WN", kBandwidthCaption, bandwidthList_, 4, 2);
    label("Label_BCL", kBusyLockoutCaption, busyLockoutList_, 5, 0);
    label("Label_PTT_ID", kPttIdCaption, pttIdList_, 5, 2);
    label("Label_Memory", kMemoryCaption, memoryList_, 6, 0);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* box : {beatShiftBox_, scanAddBox_, priorityBox_, companderBox_})
        checks->addWidget(box);
    checks->addStretch();
    layout->addLayout(checks, 7, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(helpButton_);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons, 8, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
}

void ChannelDetailWindow::connectControls()
{
    connect(scrollBar_, &QScrollBar::valueChanged, this, &ChannelDetailWindow::scrolled);
    connect(channelBox_, &QLineEdit::textEdited, this, &ChannelDetailWindow::channelBoxEdited);
    const std::pair<QComboBox*, Field> lists[] = {
        {decodeList_, Field::Decode},     {encodeList_, Field::Encode},
        {optionSignallingList_, Field::OptionSignalling}, {spUnmuteList_, Field::SpUnmute},
        {busyLockoutList_, Field::BusyLockout}, {powerList_, Field::Power},
        {bandwidthList_, Field::Bandwidth}, {pttIdList_, Field::PttId},
        {memoryList_, Field::Memory},
    };
    for (const auto& [list, field] : lists)
        connect(list, &QComboBox::activated, this, [this, field](int position) { choose(field, position); });
    const std::pair<QCheckBox*, Field> boxes[] = {
        {beatShiftBox_, Field::BeatShift}, {scanAddBox_, Field::ScanAdd}, {companderBox_, Field::Compander}};
    for (const auto& [box, field] : boxes)
        connect(box, &QCheckBox::clicked, this, [this, field](bool checked) { choose(field, checked ? 1 : 0); });
    // The priority box has no place in the record: ticking it stores nothing.
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        if (auto* frame = parentWidget(); frame && frame->inherits("QMdiSubWindow"))
            frame->close();
        else
            close();
    });
}

QRect ChannelDetailWindow::initialGeometry(const QSize& mainWindowSize) const
{
    const QSize natural = sizeHint() + QSize(kSubWindowFrame / 2, kSubWindowFrame);
    const int w = std::min(natural.width(), mainWindowSize.width());
    const int h = std::min(natural.height(), mainWindowSize.height());
    return QRect(std::max(0, (mainWindowSize.width() - w) / 2), std::max(0, (mainWindowSize.height() - h) / 4), w, h);
}

void ChannelDetailWindow::activated()
{
    showChannel(channel::isValidNumber(state().currentChannel) ? state().currentChannel : shownChannel_);
}

void ChannelDetailWindow::showChannel(int n)
{
    if (!channel::isValidNumber(n))
        return;
    commitPendingFrequencies();  // a typed frequency belongs to the channel it was typed for
    shownChannel_ = n;
    state().currentChannel = n;
    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setValue(n);
    }
    if (channelBox_->text().toInt() != n)
        channelBox_->setText(QString::number(n));
    redisplay();
    emit currentChannelChanged();
}

void ChannelDetailWindow::retranslate()
{
    language_ = state().language;
    ChildWindow::retranslate();
    // Showing the channel again commits a typed frequency first, as moving to another channel would.
    showChannel(shownChannel_);
}

void ChannelDetailWindow::redisplay()
{
    if (channel::isEmpty(state().image, shownChannel_)) {
        viewEmptyChannel();
        return;
    }
    fillLists();
    viewChannel();
}

void ChannelDetailWindow::fillLists()
{
    fill(decodeList_, detail::toneChoices(language_));
    fill(encodeList_, detail::toneChoices(language_));
    fill(optionSignallingList_, detail::optionSignallingChoices(language_));
    fill(powerList_, detail::powerChoices(language_));
    fill(bandwidthList_, detail::bandwidthChoices(language_));
    fill(pttIdList_, detail::pttIdChoices(language_));
    fill(memoryList_, detail::memoryChoices());
    fill(spUnmuteList_, detail::initialSpUnmuteChoices(language_));
    fill(busyLockoutList_, detail::initialBusyLockoutChoices(language_));
    setControlsUsable(true);
}

void ChannelDetailWindow::viewChannel()
{
    const auto view = detail::viewChannel(state().image, shownChannel_, language_);
    if (!view) {
        viewEmptyChannel();
        return;
    }
    receiveBox_->setText(view->receiveText);
    transmitBox_->setText(view->transmitText);
    select(decodeList_, view->decode);
    select(encodeList_, view->encode);
    setEncodeUsable(view->hasTransmit);
    select(powerList_, view->powerPosition);
    select(bandwidthList_, view->bandwidthPosition);
    setChecked(beatShiftBox_, view->beatShift);
    select(optionSignallingList_, view->optionSignalling);
    fill(spUnmuteList_, view->spUnmuteChoices);
    select(spUnmuteList_, view->spUnmute);
    fill(busyLockoutList_, view->busyLockoutChoices);
    select(busyLockoutList_, view->busyLockout);
    setChecked(companderBox_, view->compander);
    select(pttIdList_, view->pttIdPosition);
    select(memoryList_, view->memoryPosition);
    setChecked(scanAddBox_, view->scanAdd);
}

void ChannelDetailWindow::viewEmptyChannel()
{
    receiveBox_->clear();
    transmitBox_->clear();
    for (QComboBox* list : {decodeList_, encodeList_, optionSignallingList_, spUnmuteList_, powerList_,
                            bandwidthList_, busyLockoutList_, pttIdList_, memoryList_}) {
        fill(list, {});
        list->setPlaceholderText({});
    }
    const bool scanAddWasTicked = scanAddBox_->isChecked();
    for (QCheckBox* box : {beatShiftBox_, scanAddBox_, priorityBox_, companderBox_})
        setChecked(box, false);
    setControlsUsable(false);
    detail::viewEmptyChannel(state().image, shownChannel_, scanAddWasTicked);
}

void ChannelDetailWindow::setControlsUsable(bool usable)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             transmitBox_, decodeList_, encodeList_, optionSignallingList_, spUnmuteList_, powerList_,
             bandwidthList_, busyLockoutList_, pttIdList_, memoryList_, beatShiftBox_, scanAddBox_,
             priorityBox_, companderBox_})
        setUsable(widget, usable);
}

void ChannelDetailWindow::setEncodeUsable(bool usable) { setUsable(encodeList_, usable); }

void ChannelDetailWindow::scrolled(int value)
{
    if (value == kScrollBelowFirst || value == kScrollAboveLast) {
        value = value == kScrollBelowFirst ? channel::kLast : channel::kFirst;
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setValue(value);
    }
    showChannel(value);
}

void ChannelDetailWindow::channelBoxEdited(const QString& text)
{
    // A complete channel number shows that channel at once; an empty box or 0
    // leaves the shown channel (and where edits go) as it is.
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && channel::isValidNumber(n) && n != shownChannel_)
        showChannel(n);
}

void ChannelDetailWindow::leaveChannelBox()
{
    bool ok = false;
    int n = channelBox_->text().toInt(&ok);
    if (!ok || !channel::isValidNumber(n)) {
        n = channel::kFirst;
        channelBox_->setText(QString::number(n));
    }
    if (n != shownChannel_)
        showChannel(n);
}

void ChannelDetailWindow::choose(Field field, int position)
{
    detail::applyDetailChoice(state().image, shownChannel_, field, position);
    if (detail::reshowsChannel(field))
        viewChannel();
}

void ChannelDetailWindow::commitReceiveBox()
{
    const detail::ReceiveCommit commit =
        detail::commitReceiveBox(state(), shownChannel_, receiveBox_->text());
    receiveBox_->setModified(false);
    switch (commit.result) {
    case detail::ReceiveCommit::Result::Emptied:
        viewEmptyChannel();
        break;
    case detail::ReceiveCommit::Result::Created:
        fillLists();
        viewChannel();
        break;
    case detail::ReceiveCommit::Result::Stored:
        if (receiveBox_->text() != commit.boxText)
            receiveBox_->setText(commit.boxText);
        break;
    case detail::ReceiveCommit::Result::Refused:
        break;
    }
    if (commit.message)
        showPrompt(this, commit.message->in(state().language), state().language);
}

void ChannelDetailWindow::commitTransmitBox()
{
    transmitBox_->setModified(false);
    if (channel::isEmpty(state().image, shownChannel_))
        return;  // no receive frequency to go with it; the box is not usable then
    const detail::TransmitCommit commit =
        detail::commitTransmitBox(state(), shownChannel_, transmitBox_->text());
    if (transmitBox_->text() != commit.boxText)
        transmitBox_->setText(commit.boxText);
    if (!commit.hasTransmit)
        select(encodeList_, ToneTable::kOff);
    setEncodeUsable(commit.hasTransmit);
    if (commit.message)
        showPrompt(this, commit.message->in(state().language), state().language);
}

void ChannelDetailWindow::commitPendingFrequencies()
{
    // Only what was typed: an untouched box is committed when the user leaves
    // it, not because the window shows a channel afresh.
    if (receiveBox_->isModified())
        commitReceiveBox();
    if (transmitBox_->isEnabled() && transmitBox_->isModified())
        commitTransmitBox();
}

bool ChannelDetailWindow::focusStaysInProgram(QFocusEvent* event) const
{
    // A drop-down's list, a message box or another application taking the
    // focus is no leaving of the field.
    if (event->reason() == Qt::PopupFocusReason)
        return false;
    const QWidget* next = QApplication::focusWidget();
    return next && next->window() == window();
}

bool ChannelDetailWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && watched != this) {
        if (event->type() == QEvent::Close)
            programClosing_ = true;
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == channelBox_)
            return filterChannelBoxKey(key);
        if (watched == receiveBox_ || watched == transmitBox_)
            return filterFrequencyKey(key);
        if (qobject_cast<QComboBox*>(watched))
            return filterListKey(key);
    }
    if (event->type() == QEvent::FocusOut && focusStaysInProgram(static_cast<QFocusEvent*>(event))) {
        if (watched == channelBox_)
            leaveChannelBox();
        else if (watched == receiveBox_)
            commitReceiveBox();
        else if (watched == transmitBox_)
            commitTransmitBox();
    }
    return ChildWindow::eventFilter(watched, event);
}

bool ChannelDetailWindow::filterChannelBoxKey(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        focusNextChild();  // Enter leaves the box as Tab does
        return true;
    }
    // Digits only: no key takes a digit away (Backspace, Delete, cut, undo),
    // so the box never names a channel the user did not type. Moving the
    // cursor, selecting, copying and leaving the box stay possible.
    if (isTabKey(event) || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll))
        return false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !detail::isChannelBoxCharacter(typed[0]))
        return true;
    // The digit is taken only when the box then still names a channel number
    // of at most 16 (the text it would hold, selection replaced).
    QString next = channelBox_->text();
    if (channelBox_->hasSelectedText())
        next.replace(channelBox_->selectionStart(), channelBox_->selectedText().size(), typed);
    else
        next.insert(channelBox_->cursorPosition(), typed);
    return next.toInt() > channel::kLast;
}

bool ChannelDetailWindow::filterFrequencyKey(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        focusNextChild();
        return true;
    }
    // A refused key leaves the text alone rather than replacing a selection.
    const QString typed = event->text();
    return typesCharacter(event) && !(typed.size() == 1 && frequencyKey(typed[0]));
}

bool ChannelDetailWindow::filterListKey(QKeyEvent* event)
{
    if (isEnterKey(event)) {
        focusNextChild();
        return true;
    }
    // Entries are chosen from the list (arrow keys, F4, Space), never typed.
    return typesCharacter(event) && event->key() != Qt::Key_Space;
}

void ChannelDetailWindow::showEvent(QShowEvent* event)
{
    // Watches the main window for its closing: see closeEvent.
    if (window() != this)
        window()->installEventFilter(this);
    ChildWindow::showEvent(event);
}

void ChannelDetailWindow::closeEvent(QCloseEvent* event)
{
    // A typed frequency is kept when the window closes, but not when the
    // program ends: it saves nothing then, and a range message would appear
    // during shutdown.
    if (!programClosing_)
        commitPendingFrequencies();
    ChildWindow::closeEvent(event);
}

} // namespace r5
