#include "features/scan_window.h"

#include "features/feature_widgets.h"
#include "ui/input_filter.h"
#include "ui/prompt.h"
#include "model/window_names.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace r5 {
namespace {

using namespace scan;

struct ListNames {
    Item item;
    const char* list;
    const char* label;
};
constexpr ListNames kLists[] = {
    {kModeItem, "Combo_pri", "Label_pri"}, {kLookBackA, "Combo_BA", "Label_BA"},
    {kLookBackB, "Combo_BB", "Label_BB"},  {kRevert, "Combo_BC", "Label_BC"},
    {kDropout, "Combo_RYC", "Label_RYC"},  {kDwell, "Combo_TYC", "Label_TYC"},
};

} // namespace

ScanWindow::ScanWindow(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), language_(state.language)
{
    setObjectName(window::kScan);
    setCaption(this, kWindowTitle, language_);

    priorityChannel_ = named(new QLineEdit(this), "Text_prich");
    restrictInput(priorityChannel_, isPriorityChannelCharacter);
    connect(priorityChannel_, &QLineEdit::textEdited, this, &ScanWindow::priorityChannelEdited);

    auto* form = new QFormLayout;
    for (const ListNames& names : kLists) {
        QComboBox* list = named(new QComboBox(this), names.list);
        list->setMaxVisibleItems(16);
        ignoreTyping(list);
        const Item item = names.item;
        if (item != kRevert)
            fillQuietly(list, choices(item, kNoPriority, language_));
        connect(list, &QComboBox::currentIndexChanged, this, [this, item](int position) {
            if (position >= 0)
                choose(item, position);
        });
        form->addRow(named(captioned(new QLabel(this), caption(item), language_), names.label), list);
        lists_[item] = list;
        if (item == kModeItem)
            form->addRow(named(captioned(new QLabel(this), kPriorityChannelCaption, language_), "Label_prich"),
                         priorityChannel_);
    }

    QHBoxLayout* buttons = makeHelpCloseRow(this, language_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    showRow();
}

QRect ScanWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return fractionGeometry(mainWindowSize, 1.8, 1.4, 6);
}

void ScanWindow::showRow()
{
    RadioImage& image = state().image;
    if (selectQuietly(lists_[kModeItem], shownPosition(image, kModeItem)))
        applyChoice(image, kModeItem, lists_[kModeItem]->currentIndex());
    const QString channelText = priorityChannelText(image);
    if (priorityChannel_->text() != channelText)
        priorityChannel_->setText(channelText);
    fillQuietly(lists_[kRevert], choices(kRevert, mode(image), language_));
    for (Item item : {kLookBackA, kLookBackB, kRevert, kDropout, kDwell})
        if (selectQuietly(lists_[item], shownPosition(image, item)))
            applyChoice(image, item, lists_[item]->currentIndex());

    const bool fixed = priorityChannelEditable(image);
    const bool lookBack = mode(image) != kNoPriority;
    setUsable(priorityChannel_, fixed);
    setUsable(lists_[kLookBackA], lookBack);
    setUsable(lists_[kLookBackB], lookBack);
}

void ScanWindow::retranslate()
{
    language_ = state().language;
    ChildWindow::retranslate();
    for (const ListNames& names : kLists)
        retextQuietly(lists_[names.item], choices(names.item, names.item == kRevert ? mode(state().image) : kNoPriority,
                                                  language_));
}

void ScanWindow::choose(Item item, int position)
{
    applyChoice(state().image, item, position);
    if (item == kModeItem)
        showRow();  // the revert list and the boxes that apply follow the mode
}

void ScanWindow::priorityChannelEdited(const QString& typed)
{
    // Cut after the filter has dropped what is no digit, so a pasted "1a2"
    // keeps both of its digits; a third digit never gets in.
    QString text = typed;
    if (text.size() > kPriorityChannelMaxDigits) {
        text.truncate(kPriorityChannelMaxDigits);
        priorityChannel_->setText(text);
    }
    if (enterPriorityChannel(state().image, text) != PriorityChannelEntry::OutOfRange)
        return;
    showPrompt(this, kPriorityChannelMessage.in(state().language), state().language);
    priorityChannel_->clear();
}

} // namespace r5
