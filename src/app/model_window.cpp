#include "app/model_window.h"

#include "app/child_frame.h"
#include "app/named_widgets.h"
#include "model/text.h"
#include "model/radio_models.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kTitle{"机型选择", "Model Select"};
constexpr Text kModelCaption{"机  型", "Model"};
constexpr Text kBandCaption{"频  段", "Band"};
constexpr Text kConfirm{"确 定", "Confirm"};
constexpr Text kCancel{"取 消", "Cancel"};

} // namespace

Form_type::Form_type(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), comboType_(new QComboBox(this)), labelBand_(new QLabel(this))
{
    setObjectName("Form_type");
    setWindowTitle(kTitle.in(chinese()));

    comboType_->setObjectName("Combo_type");
    comboType_->setEditable(true);
    comboType_->setInsertPolicy(QComboBox::NoInsert);
    for (const RadioModel& model : kModels)
        comboType_->addItem(QString::fromLatin1(model.name));
    comboType_->setCurrentIndex(state.CurrentModel);
    labelBand_->setObjectName("Label_band");
    showSelectedBand();

    // The names are fixed: a typed character puts the last chosen name back.
    connect(comboType_->lineEdit(), &QLineEdit::textEdited, this, [this] {
        comboType_->setEditText(lastAccepted_);
        comboType_->setFocus();
    });
    connect(comboType_, &QComboBox::activated, this, &Form_type::showSelectedBand);

    auto* enter = namedButton("Command_enter", kConfirm.in(chinese()), this);
    auto* cancel = namedButton("Command_Cancel", kCancel.in(chinese()), this);
    setDefaultButton(enter);
    connect(enter, &QPushButton::clicked, this, &Form_type::confirm);
    connect(cancel, &QPushButton::clicked, this, [this] { closeChildWindow(this); });

    auto* fields = new QGridLayout;
    fields->addWidget(namedLabel("Label1", kModelCaption.in(chinese()), this), 0, 0);
    fields->addWidget(comboType_, 0, 1);
    fields->addWidget(namedLabel("Label2", kBandCaption.in(chinese()), this), 1, 0);
    fields->addWidget(labelBand_, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(enter);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
}

QRect Form_type::initialGeometry(const QSize& mainWindowSize) const
{
    // A small dialog: three lines, centred near the top.
    const QSize size = sizeHint().expandedTo(QSize(340, 170));
    return QRect((mainWindowSize.width() - size.width()) / 2, mainWindowSize.height() / 8, size.width(), size.height());
}

void Form_type::showSelectedBand()
{
    labelBand_->setText(bandLabelText(comboType_->currentIndex()));
    lastAccepted_ = comboType_->currentText();
}

void Form_type::confirm()
{
    state().selectModel(comboType_->currentIndex());
    emit modelConfirmed();
    closeChildWindow(this);
}

} // namespace r5
