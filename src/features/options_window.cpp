#include "features/options_window.h"

#include "features/feature_widgets.h"
#include "model/window_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace r5 {
namespace {

using namespace options;

struct ControlNames {
    Item item;
    const char* control;
    const char* label;  // none for a check box, which carries its caption
};

// Top to bottom as the window shows them: the lists, then the switches.
constexpr ControlNames kControls[] = {
    {kTimeOut, "Combo_TOT", "Label_tot"},
    {kSquelch, "Combo_Sql", "Label_sql"},
    {kVoice, "Combo_Voice", "Label_voice"},
    {kCurrentChannel, "Combo_ch_Number", "Label_ch_Number"},
    {kVolume, "Combo_Volume", "Label_vol"},
    {kPowerState, "Combo_Power", "Label_Power"},
    {kKeypadLock, "Check_Lock", nullptr},
    {kBatterySave, "Check_Save", nullptr},
    {kBeep, "Check_Beep", nullptr},
};

// The time-out and squelch fields take typing; whatever is typed falls back
// to the first entry, as the radio has no value between the list's steps.
bool takesTyping(Item item) { return item == kTimeOut || item == kSquelch; }

} // namespace

OptionsWindow::OptionsWindow(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), language_(state.language)
{
    setObjectName(window::kOptions);
    setCaption(this, kWindowTitle, language_);

    auto* listGroup = new QGroupBox(this);
    auto* listLayout = new QFormLayout(listGroup);
    auto* checkGroup = new QGroupBox(this);
    auto* checkLayout = new QVBoxLayout(checkGroup);
    for (const ControlNames& names : kControls) {
        const Item item = names.item;
        if (isCheckBox(item)) {
            QCheckBox* box = named(captioned(new QCheckBox(checkGroup), caption(item), language_), names.control);
            connect(box, &QCheckBox::toggled, this, [this, item] { write(item); });
            checkLayout->addWidget(box);
            checks_[item] = box;
            continue;
        }
        QComboBox* list = named(new QComboBox(listGroup), names.control);
        list->setMaxVisibleItems(16);
        if (takesTyping(item)) {
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->setCompleter(nullptr);
            connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, item] { typedInto(item); });
        } else {
            ignoreTyping(list);
        }
        fillQuietly(list, choices(item, language_));
        connect(list, &QComboBox::currentIndexChanged, this, [this, item] { write(item); });
        listLayout->addRow(named(captioned(new QLabel(listGroup), caption(item), language_), names.label), list);
        lists_[item] = list;
    }
    checkLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listGroup);
    layout->addWidget(checkGroup);
    layout->addStretch();
    showRow();
}

QRect OptionsWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return fractionGeometry(mainWindowSize, 2, 2, 10);
}

void OptionsWindow::retranslate()
{
    language_ = state().language;
    ChildWindow::retranslate();
    for (int i = 0; i < kItemCount; ++i)
        if (lists_[size_t(i)])
            retextQuietly(lists_[size_t(i)], choices(static_cast<Item>(i), language_));
}

void OptionsWindow::showRow()
{
    for (int i = 0; i < kItemCount; ++i) {
        const auto item = static_cast<Item>(i);
        const int position = shownPosition(item, state().image.cell(kRow, item));
        if (isCheckBox(item)) {
            if (checks_[item]->isChecked() == (position != 0))
                continue;
            const QSignalBlocker blocker(checks_[item]);
            checks_[item]->setChecked(position != 0);
        } else if (!selectQuietly(lists_[item], position)) {
            continue;
        }
        write(item);
    }
}

void OptionsWindow::write(Item item)
{
    int position = 0;
    if (isCheckBox(item)) {
        position = checks_[item]->isChecked() ? 1 : 0;
    } else {
        if (lists_[item]->currentIndex() < 0)
            selectQuietly(lists_[item], 0);
        position = lists_[item]->currentIndex();
    }
    state().image.setCell(kRow, item, storedValue(item, position));
}

void OptionsWindow::typedInto(Item item)
{
    // A typed text is no entry of the list: the first entry takes its place.
    const QSignalBlocker blocker(lists_[item]);
    lists_[item]->setCurrentIndex(-1);
    lists_[item]->setCurrentIndex(0);
    write(item);
}

} // namespace r5
