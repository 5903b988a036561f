#include "windows/model_window.h"

#include "model/radio_models.h"
#include "model/text.h"
#include "model/window_names.h"
#include "ui/child_frame.h"
#include "ui/named_widgets.h"

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

ModelWindow::ModelWindow(AppState& state, QWidget* parent)
    : ChildWindow(state, parent), modelList_(new QComboBox(this)), bandLabel_(new QLabel(this))
{
    setObjectName(window::kModel);
    setCaption(this, kTitle, language());

    modelList_->setObjectName("Combo_type");
    modelList_->setEditable(true);
    modelList_->setInsertPolicy(QComboBox::NoInsert);
    for (const RadioModel& model : kModels)
        modelList_->addItem(QString::fromLatin1(model.name));
    modelList_->setCurrentIndex(state.currentModel);
    bandLabel_->setObjectName("Label_band");
    showSelectedBand();

    // The names are fixed: a typed character puts the last chosen name back.
    connect(modelList_->lineEdit(), &QLineEdit::textEdited, this, [this] {
        modelList_->setEditText(lastAccepted_);
        modelList_->setFocus();
    });
    connect(modelList_, &QComboBox::activated, this, &ModelWindow::showSelectedBand);

    auto* enter = namedButton("Command_enter", kConfirm, language(), this);
    auto* cancel = namedButton("Command_Cancel", kCancel, language(), this);
    setDefaultButton(enter);
    connect(enter, &QPushButton::clicked, this, &ModelWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, [this] { closeChildWindow(this); });

    auto* fields = new QGridLayout;
    fields->addWidget(namedLabel("Label1", kModelCaption, language(), this), 0, 0);
    fields->addWidget(modelList_, 0, 1);
    fields->addWidget(namedLabel("Label2", kBandCaption, language(), this), 1, 0);
    fields->addWidget(bandLabel_, 1, 1);
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

QRect ModelWindow::initialGeometry(const QSize& mainWindowSize) const
{
    // A small dialog: three lines, centred near the top.
    const QSize size = sizeHint().expandedTo(QSize(340, 170));
    return QRect((mainWindowSize.width() - size.width()) / 2, mainWindowSize.height() / 8, size.width(), size.height());
}

void ModelWindow::showSelectedBand()
{
    bandLabel_->setText(bandLabelText(modelList_->currentIndex()));
    lastAccepted_ = modelList_->currentText();
}

void ModelWindow::confirm()
{
    state().selectModel(modelList_->currentIndex());
    emit modelConfirmed();
    closeChildWindow(this);
}

} // namespace r5
