#include "features/key_window.h"

#include "features/feature_widgets.h"
#include "model/window_names.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace r5 {
namespace {

struct KeyNames {
    keys::Key key;
    const char* list;
    const char* label;
};
constexpr KeyNames kKeys[] = {{keys::kPf1, "Combo_pf1", "Label_PF1"}, {keys::kPf2, "Combo_pf2", "Label_PF2"}};

} // namespace

KeyAssignmentWindow::KeyAssignmentWindow(AppState& state, QWidget* parent) : ChildWindow(state, parent)
{
    const Language language = state.language;
    setObjectName(window::kKeyAssignment);
    setCaption(this, keys::kWindowTitle, language);

    auto* grid = new QGridLayout;
    for (const KeyNames& names : kKeys) {
        QComboBox* list = named(new QComboBox(this), names.list);
        list->setMaxVisibleItems(keys::kFunctionCount);
        fillQuietly(list, keys::choices(language));
        const keys::Key key = names.key;
        connect(list, &QComboBox::currentIndexChanged, this, [this, key](int position) {
            if (position >= 0)
                keys::assign(this->state().image, key, position);
        });
        grid->addWidget(named(new QLabel(keys::keyLabel(key), this), names.label), key, 0);
        grid->addWidget(list, key, 1);
        lists_[key] = list;
    }
    grid->setColumnStretch(1, 1);

    QHBoxLayout* buttons = makeHelpCloseRow(this, language);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    showKeys();
}

void KeyAssignmentWindow::retranslate()
{
    ChildWindow::retranslate();
    for (QComboBox* list : lists_)
        retextQuietly(list, keys::choices(language()));
}

QRect KeyAssignmentWindow::initialGeometry(const QSize& mainWindowSize) const
{
    return fractionGeometry(mainWindowSize, 2.5, 2, 4);
}

void KeyAssignmentWindow::showKeys()
{
    for (const KeyNames& names : kKeys) {
        const int position = keys::assignedPosition(state().image, names.key);
        if (selectQuietly(lists_[names.key], position))
            keys::assign(state().image, names.key, position);
    }
}

} // namespace r5
