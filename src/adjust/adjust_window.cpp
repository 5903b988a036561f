#include "adjust/adjust_window.h"

#include "files/adjust_file.h"
#include "link/adjust_exchange.h"
#include "model/char_codec.h"
#include "model/defaults.h"
#include "ui/child_frame.h"
#include "ui/input_filter.h"
#include "ui/named_widgets.h"
#include "ui/prompt.h"
#include "model/window_names.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace r5 {
namespace {

using namespace tuning;

// How often the window looks for a request the adjustment pickers left.
constexpr int kRequestPollMs = 500;

constexpr Text kRead{"读取", "Read"};
constexpr Text kWrite{"写入", "Write"};
constexpr Text kOpen{"打开", "Open"};
constexpr Text kSave{"保存", "Save"};
constexpr Text kDefault{"默认值", "Default"};
constexpr Text kLevelsCaption{"静噪等级", "Squelch level"};
constexpr Text kOffsetsCaption{"静噪偏移 (MHZ)", "Squelch offset (MHZ)"};
constexpr Text kModulationCaption{"调制度", "Modulation"};
constexpr Text kOutputCaption{"输出音量", "Output level"};
constexpr Text kRangeCaption{"频段 ", "Range "};
constexpr Text kLowCaption{"下限 (MHZ)", "Lower (MHZ)"};
constexpr Text kHighCaption{"上限 (MHZ)", "Upper (MHZ)"};
constexpr Text kTransmitCaption{"允许发射", "Transmit"};
constexpr Text kUserPasswordCaption{"用户密码", "User password"};
constexpr Text kSuperPasswordCaption{"超级密码", "Super password"};
constexpr Text kLoaded{"调整参数从文件调入成功 ！", "Succeed fold the optional parameters from file."};
constexpr Text kSaved{"调整参数保存完毕 ！", "Complete storing optional parameters."};

// The frames of the tabs, in the order the stack holds them.
enum Frame { kPowerFrame, kSquelchFrame, kModulationFrame, kRangeFrame };
constexpr const char* kFrameNames[] = {"Frame_Frame", "Frame_Sql", "Frame_Dev", "Frame_Other"};

Frame frameOfTab(int tab)
{
    switch (tab) {
    case kSquelchTab:
        return kSquelchFrame;
    case kModulationTab:
        return kModulationFrame;
    case kRangeTab:
        return kRangeFrame;
    default:
        return kPowerFrame;
    }
}

QString indexed(const char* name, int index) { return QString("%1_%2").arg(QLatin1String(name)).arg(index); }

QLineEdit* numberBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("00000") + 12);
    return box;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QComboBox* levelCombo(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    // The combo shows the stored value as a plain number, also one its list
    // does not offer; only a choice from the list changes the block.
    combo->setEditable(true);
    combo->lineEdit()->setReadOnly(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

} // namespace

AdjustWindow::AdjustWindow(AppState& state, const LinkContext& link, QWidget* parent)
    : ChildWindow(state, parent),
      exchange_(new AdjustExchange(state, link.ports, link.serialPorts, link.timers, this)),
      poll_(link.timers.create())
{
    setObjectName(window::kAdjust);
    // A request left from an earlier opening is not this user's.
    state.adjustOpenRequest = false;
    state.adjustSaveRequest = false;

    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabStrip1");
    for (int t = 0; t < kTabCount; ++t) {
        tabs_->addTab(tabHeading(Tab(t)).in(language()));
        tabs_->setTabData(t, tabKey(Tab(t)));
    }
    frames_ = new QStackedWidget(this);
    frames_->addWidget(buildPowerFrame());
    frames_->addWidget(buildSquelchFrame());
    frames_->addWidget(buildModulationFrame());
    frames_->addWidget(buildRangeFrame());
    for (int f = 0; f < frames_->count(); ++f)
        frames_->widget(f)->setObjectName(kFrameNames[f]);

    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(0, 100);
    progress_->hide();
    status_ = label("Label_tr_count", QString(), this);

    // On a small screen or at a large scale the boxes scroll rather than
    // squeeze below what their labels need.
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(frames_);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(scroller, 1);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(buildButtons());

    bindExchange();
    connect(tabs_, &QTabBar::currentChanged, this, &AdjustWindow::chooseTab);
    connect(poll_.get(), &LinkTimer::timeout, this, &AdjustWindow::pollRequests);
    poll_->start(kRequestPollMs);
    chooseTab(kHighPowerTab);
}

AdjustWindow::~AdjustWindow() = default;

QWidget* AdjustWindow::buildPowerFrame()
{
    auto* frame = new QWidget(this);
    auto* grid = new QGridLayout(frame);
    constexpr int kColumns = 4;
    for (int g = 0; g < kGroupCount; ++g) {
        const PointGroup& group = kPointGroups[size_t(g)];
        auto* box = new QGroupBox(QString::fromLatin1(group.name), frame);
        auto* points = new QGridLayout(box);
        for (int p = 0; p < kPointsPerGroup; ++p) {
            const QString suffix = QString::fromLatin1(group.name);
            QLineEdit* edit = numberBox(indexed(qPrintable("Text_TXP_" + suffix), p), box);
            points->addWidget(label(indexed(qPrintable("Label_TXP_" + suffix), p), pointLabel(g, p), box),
                              p / kColumns, 2 * (p % kColumns), Qt::AlignRight);
            points->addWidget(edit, p / kColumns, 2 * (p % kColumns) + 1);
            power_[size_t(g)][size_t(p)] = edit;
            bindNumberBox(edit, [this, g, p](const QString& text) {
                return enterPower(state().adjust, tab_ == kHighPowerTab, g, p, text);
            });
        }
        grid->addWidget(box, g / 2, g % 2);
    }
    return frame;
}

QWidget* AdjustWindow::buildSquelchFrame()
{
    auto* frame = new QWidget(this);
    auto* levels = captioned(new QGroupBox(frame), kLevelsCaption, language());
    auto* levelGrid = new QGridLayout(levels);
    for (int i = 0; i < kSquelchLevels; ++i) {
        QLineEdit* edit = numberBox(indexed("Text_SQ_VHF", i), levels);
        levelGrid->addWidget(label(indexed("Label_Sql_VHF", i), squelchLevelLabel(i), levels), 0, 2 * i,
                             Qt::AlignRight);
        levelGrid->addWidget(edit, 0, 2 * i + 1);
        levels_[size_t(i)] = edit;
        bindNumberBox(edit, [this, i](const QString& text) { return enterSquelchLevel(state().adjust, i, text); });
    }
    auto* offsets = captioned(new QGroupBox(frame), kOffsetsCaption, language());
    auto* offsetGrid = new QGridLayout(offsets);
    constexpr int kColumns = 12;
    for (int k = 0; k < kSquelchOffsetPoints; ++k) {
        QLineEdit* edit = numberBox(indexed("Text_Sq_Offset_VHF", k), offsets);
        offsetGrid->addWidget(label(indexed("Label_Sq_Offset_Vhf", k), squelchOffsetLabel(k), offsets),
                              k / kColumns, 2 * (k % kColumns), Qt::AlignRight);
        offsetGrid->addWidget(edit, k / kColumns, 2 * (k % kColumns) + 1);
        offsets_[size_t(k)] = edit;
        bindNumberBox(edit, [this, k](const QString& text) { return enterSquelchOffset(state().adjust, k, text); });
    }
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(levels);
    layout->addWidget(offsets, 1);
    return frame;
}

QWidget* AdjustWindow::buildModulationFrame()
{
    auto* frame = new QWidget(this);
    const auto fill = [this](QGroupBox* box, ComboSet set, const char* name, const QStringList& captions,
                             auto& combos) {
        auto* grid = new QGridLayout(box);
        constexpr int kColumns = 2;
        for (int i = 0; i < comboCount(set); ++i) {
            // Combos without a caption of their own are known by their cell.
            const QString caption = i < captions.size() ? captions[i] : QString::number(i);
            QComboBox* combo = levelCombo(indexed(name, i), comboItems(set, i), box);
            grid->addWidget(new QLabel(caption, box), i / kColumns, 2 * (i % kColumns), Qt::AlignRight);
            grid->addWidget(combo, i / kColumns, 2 * (i % kColumns) + 1);
            combos[size_t(i)] = combo;
            connect(combo, &QComboBox::activated, this, [this, set, i](int position) {
                chooseComboItem(state().adjust, set, i, position);
            });
        }
    };
    auto* modulation = captioned(new QGroupBox(frame), kModulationCaption, language());
    fill(modulation, kModulation, "Combo_Mod", modulationCaptions(), modulation_);
    auto* output = captioned(new QGroupBox(frame), kOutputCaption, language());
    fill(output, kLevel, "Combo_Txp", levelCaptions(), outputLevels_);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(modulation, 1);
    layout->addWidget(output, 1);
    return frame;
}

QWidget* AdjustWindow::buildRangeFrame()
{
    auto* frame = new QWidget(this);
    auto* ranges = new QGridLayout;
    ranges->addWidget(captioned(new QLabel(frame), kLowCaption, language()), 0, 1);
    ranges->addWidget(captioned(new QLabel(frame), kHighCaption, language()), 0, 2);
    for (int r = kFirstEditableRange; r <= kLastEditableRange; ++r) {
        const size_t i = size_t(r - kFirstEditableRange);
        const PointGroup& bounds = kPointGroups[size_t(r)];
        const QByteArray points = QString("%1  (%2 - %3)").arg(r).arg(bounds.startMHz).arg(bounds.endMHz).toUtf8();
        const QByteArray zh = kRangeCaption.zh + points;
        const QByteArray en = kRangeCaption.en + points;
        ranges->addWidget(captioned(new QLabel(frame), Text{zh.constData(), en.constData()}, language()), r, 0);
        rangeLow_[i] = numberBox(indexed("Text_Freq_L", r), frame);
        rangeHigh_[i] = numberBox(indexed("Text_Freq_H", r), frame);
        transmit_[i] = captioned(new QCheckBox(frame), kTransmitCaption, language());
        transmit_[i]->setObjectName(indexed("Check_Tx", r));
        ranges->addWidget(rangeLow_[i], r, 1);
        ranges->addWidget(rangeHigh_[i], r, 2);
        ranges->addWidget(transmit_[i], r, 3);
        for (const bool high : {false, true}) {
            QLineEdit* box = high ? rangeHigh_[i] : rangeLow_[i];
            restrictInput(box, isRangeCharacter);
            connect(box, &QLineEdit::editingFinished, this, [this, r, high] { leaveRangeBox(r, high); });
        }
        connect(transmit_[i], &QCheckBox::clicked, this,
                [this, r](bool checked) { setTransmitAllowed(state().adjust, r, checked); });
    }
    ranges->setColumnStretch(4, 1);

    auto* passwords = new QGridLayout;
    const char* names[] = {"Text_user_PassWord", "Text_Super_PassWord"};
    const Text captions[] = {kUserPasswordCaption, kSuperPasswordCaption};
    for (int p = kUserPassword; p <= kSuperPassword; ++p) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(names[p]);
        // Six characters of the radio's own set; anything else could not be stored.
        restrictInput(box, [](QChar c) { return codeOfCharacter(QString(c)) != kUnknownCharCode; }, kPasswordLength);
        connect(box, &QLineEdit::textEdited, this,
                [this, p](const QString& text) { storePassword(state().adjust, Password(p), text); });
        passwords_[size_t(p)] = box;
        passwords->addWidget(captioned(new QLabel(frame), captions[p], language()), p, 0);
        passwords->addWidget(box, p, 1);
    }
    passwords->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(ranges);
    layout->addSpacing(fontMetrics().height());
    layout->addLayout(passwords);
    layout->addStretch();
    return frame;
}

QWidget* AdjustWindow::buildButtons()
{
    auto* row = new QWidget(this);
    auto* read = namedButton("Command_read", kRead, language(), row);
    auto* write = namedButton("Command_Write", kWrite, language(), row);
    auto* open = namedButton("Command_open", kOpen, language(), row);
    auto* save = namedButton("Command_save", kSave, language(), row);
    auto* defaults = namedButton("Command_def", kDefault, language(), row);
    auto* close = namedButton("Command_close", kCloseCaption, language(), row);
    connect(read, &QPushButton::clicked, this, [this] {
        exchange_->startRead();
        lockWhileBusy();
    });
    connect(write, &QPushButton::clicked, this, [this] {
        exchange_->startWrite();
        lockWhileBusy();
    });
    connect(open, &QPushButton::clicked, this, [this] { requestPicker(window::kOpenAdjustFile); });
    connect(save, &QPushButton::clicked, this, [this] { requestPicker(window::kSaveAdjustFile); });
    connect(defaults, &QPushButton::clicked, this, &AdjustWindow::restoreDefaults);
    connect(close, &QPushButton::clicked, this, [this] {
        if (mayClose())
            closeChildWindow(this);
    });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    for (QPushButton* button : {read, write, open, save, defaults, close})
        layout->addWidget(button);
    return row;
}

void AdjustWindow::bindExchange()
{
    connect(exchange_, &LinkExchange::progressChanged, this, [this](int value) {
        progress_->setValue(value);
        progress_->show();
    });
    connect(exchange_, &LinkExchange::statusChanged, status_, &QLabel::setText);
    // Messages wait until the exchange's step has returned, so no modal box
    // runs inside a step of the protocol.
    connect(exchange_, &AdjustExchange::refused, this,
            [this](const QString& message) { showPrompt(this, message, language()); }, Qt::QueuedConnection);
    connect(exchange_, &LinkExchange::finished, this, &AdjustWindow::showOutcome, Qt::QueuedConnection);
}

void AdjustWindow::showOutcome(const LinkOutcome& outcome)
{
    lockWhileBusy();
    const QString message = linkOutcomeText(outcome, language());
    switch (outcome.kind) {
    case LinkOutcome::Kind::Completed:
        refresh();
        showPrompt(this, message, language(), PromptTitle::CompletionPrompt);
        return;
    case LinkOutcome::Kind::PortCannotOpen:
        showPrompt(this, message, language(), PromptTitle::CompletionPrompt);
        return;
    default:
        // Giving up shows no message box: the status bar and the status line say it.
        status_->setText(message);
        emit statusBarText(message);
        return;
    }
}

void AdjustWindow::bindNumberBox(QLineEdit* box, std::function<NumberOutcome(const QString&)> enter)
{
    // No character is refused here: the check below names a wrong one. The
    // filter still turns an input method's full-width digits into digits.
    restrictInput(box, [](QChar) { return true; });
    connect(box, &QLineEdit::textEdited, this, [this, box, enter](const QString& text) {
        const NumberOutcome outcome = enter(text);
        if (outcome.entry == NumberEntry::Stored)
            return;
        box->setText(QString::number(outcome.value));
        refusedEntry(box, *outcome.message, kNumberMessageStyle);
    });
}

bool AdjustWindow::busy() const { return exchange_->busy(); }

void AdjustWindow::lockWhileBusy()
{
    // An edit made while the radio talks would be lost to the read that
    // completes, or reach the radio only in part.
    frames_->setEnabled(!busy());
}

bool AdjustWindow::mayClose()
{
    if (!busy())
        return true;
    showPrompt(this, kBusyCloseMessage.in(language()), language());
    return false;
}

QRect AdjustWindow::initialGeometry(const QSize& main) const
{
    const int w = int(main.width() / 1.2);
    const int h = int(main.height() / 1.3);
    return QRect((main.width() - w) / 2, 0, w, h);
}

void AdjustWindow::closeEvent(QCloseEvent* event)
{
    // Closing abandons a transfer that still runs; the port closes now.
    exchange_->abort();
    poll_->stop();
    state().adjustOpenRequest = false;
    state().adjustSaveRequest = false;
    emit closing();
    ChildWindow::closeEvent(event);
}

void AdjustWindow::retranslate()
{
    ChildWindow::retranslate();
    for (int t = 0; t < kTabCount; ++t)
        tabs_->setTabText(t, tabHeading(Tab(t)).in(language()));
    setWindowTitle(tabHeading(Tab(tab_)).in(language()));
}

void AdjustWindow::chooseTab(int tab)
{
    tab_ = tab;
    // The heading is the radio maker's Chinese text in both languages.
    setWindowTitle(tabHeading(Tab(tab)).in(language()));
    frames_->setCurrentIndex(frameOfTab(tab));
    refresh();
}

void AdjustWindow::refresh()
{
    // Every box shows the block, so none keeps a value from before a read,
    // a load or Default.
    const AdjustImage& adjust = state().adjust;
    if (tab_ == kHighPowerTab || tab_ == kLowPowerTab)
        for (int g = 0; g < kGroupCount; ++g)
            for (int p = 0; p < kPointsPerGroup; ++p)
                power_[size_t(g)][size_t(p)]->setText(powerText(adjust, tab_ == kHighPowerTab, g, p));
    for (int i = 0; i < kSquelchLevels; ++i)
        levels_[size_t(i)]->setText(squelchLevelText(adjust, i));
    for (int k = 0; k < kSquelchOffsetPoints; ++k)
        offsets_[size_t(k)]->setText(squelchOffsetText(adjust, k));
    for (const ComboSet set : {kModulation, kLevel}) {
        for (int i = 0; i < comboCount(set); ++i) {
            // The arrow keys move on from the stored value when the list has it.
            QComboBox* combo = set == kModulation ? modulation_[size_t(i)] : outputLevels_[size_t(i)];
            const int value = adjust.cell(comboRow(set), i);
            combo->setCurrentIndex(value < combo->count() ? value : -1);
            combo->setEditText(comboText(adjust, set, i));
        }
    }
    for (int r = kFirstEditableRange; r <= kLastEditableRange; ++r) {
        const size_t i = size_t(r - kFirstEditableRange);
        rangeLow_[i]->setText(QString::number(rangeLow(adjust, r)));
        rangeHigh_[i]->setText(QString::number(rangeHigh(adjust, r)));
        transmit_[i]->setChecked(transmitAllowed(adjust, r));
    }
    passwords_[kUserPassword]->setText(passwordText(adjust, kUserPassword));
    passwords_[kSuperPassword]->setText(passwordText(adjust, kSuperPassword));
}

void AdjustWindow::leaveRangeBox(int range, bool high)
{
    const size_t i = size_t(range - kFirstEditableRange);
    QLineEdit* box = high ? rangeHigh_[i] : rangeLow_[i];
    const auto check = [&] {
        const double low = rangeBoxValue(rangeLow_[i]->text());
        const double upper = rangeBoxValue(rangeHigh_[i]->text());
        return high ? leaveRangeHigh(range, low, upper) : leaveRangeLow(range, low, upper);
    };
    const RangeOutcome outcome = check();
    if (outcome.check == RangeCheck::Accepted) {
        storeRangesFromBoxes();
        return;
    }
    box->setText(QString::number(outcome.resetValue));
    // The box now shows its bound; store it when the range holds with it, so
    // what the box shows is what a write sends.
    if (check().check == RangeCheck::Accepted)
        storeRangesFromBoxes();
    refusedEntry(box, *outcome.message, kRangeMessageStyle);
}

void AdjustWindow::storeRangesFromBoxes()
{
    std::array<RangeLimits, 3> limits{};
    for (size_t i = 0; i < limits.size(); ++i)
        limits[i] = {rangeBoxValue(rangeLow_[i]->text()), rangeBoxValue(rangeHigh_[i]->text())};
    storeRanges(state().adjust, limits);
}

void AdjustWindow::refusedEntry(QLineEdit* box, const Text& message, MessageStyle style)
{
    // The box already shows what the block holds; the message follows once the
    // edit has been handled, and the user goes on in the same box.
    QMetaObject::invokeMethod(this, [this, box = QPointer<QLineEdit>(box), message, style] {
        if (style == MessageStyle::ChineseInformation)
            showPrompt(this, message.in(language()), language(), PromptTitle::ChineseOnly, PromptIcon::Information);
        else
            showPrompt(this, message.in(language()), language(), PromptTitle::CompletionPrompt);
        if (box)
            box->setFocus();
    }, Qt::QueuedConnection);
}

bool AdjustWindow::refusedWhileBusy()
{
    if (!busy())
        return false;
    showPrompt(this, adjusttext::kBusy.in(language()), language());
    return true;
}

void AdjustWindow::requestPicker(const char* pickerName)
{
    if (!refusedWhileBusy())
        emit pickerRequested(QString::fromLatin1(pickerName));
}

void AdjustWindow::restoreDefaults()
{
    if (refusedWhileBusy())
        return;
    resetProgress();
    state().adjust = defaultAdjustImage();
    refresh();
}

void AdjustWindow::resetProgress()
{
    progress_->hide();
    progress_->setValue(0);
    status_->clear();
}

void AdjustWindow::pollRequests()
{
    lockWhileBusy();
    // A request made while the radio talks waits: a load now would be
    // overwritten by the read, a save would catch the block half read.
    if (busy())
        return;
    if (state().adjustOpenRequest) {
        state().adjustOpenRequest = false;
        loadFile();
    }
    if (state().adjustSaveRequest) {
        state().adjustSaveRequest = false;
        saveFile();
    }
}

void AdjustWindow::loadFile()
{
    if (const auto error = loadAdjustFile(state().adjust, state().currentFilePath)) {
        showPrompt(this, error->message(language()), language());
        return;
    }
    refresh();
    showPrompt(this, kLoaded.in(language()), language(), PromptTitle::CompletionPrompt);
    resetProgress();
}

void AdjustWindow::saveFile()
{
    if (const auto error = saveAdjustFile(state().adjust, state().currentFilePath)) {
        showPrompt(this, error->message(language()), language());
        return;
    }
    showPrompt(this, kSaved.in(language()), language(), PromptTitle::CompletionPrompt);
}

} // namespace r5
