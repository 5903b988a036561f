#include "windows/port_window.h"

#include "link/port_table.h"
#include "model/text.h"
#include "ui/child_frame.h"
#include "ui/named_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kTitle{"端口设置", "Port Setup"};
constexpr Text kFrame{"端口设置", "Port Setup"};
constexpr Text kConfirm{"确 定", "Confirm"};
constexpr Text kNoDevice{"（无此端口）", "(no such port)"};
const char* const kCancel = "取 消";  // the same in both languages

// 500 twips above centre, at the 15 twips per pixel of a normal screen.
constexpr int kRaiseAboveCentre = 500 / 15;

} // namespace

PortWindow::PortWindow(AppState& state, const PortTable& ports, QWidget* parent) : ChildWindow(state, parent)
{
    setObjectName("Form_setup");
    setWindowTitle(kTitle.in(language()));

    auto* frame = new QGroupBox(kFrame.in(language()), this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n) {
        auto* option = new QRadioButton(PortTable::comName(n), frame);
        option->setObjectName(QString("Option%1").arg(n));
        const bool present = ports.exists(n);
        auto* device = new QLabel(present ? ports.device(n) : kNoDevice.in(language()), frame);
        device->setObjectName(QString("Label_device%1").arg(n));
        if (present) {
            option->setToolTip(ports.description(n));
            device->setToolTip(ports.description(n));
        } else {
            // Greyed like a disabled control, yet still selectable.
            for (QWidget* widget : {static_cast<QWidget*>(option), static_cast<QWidget*>(device)}) {
                QPalette palette = widget->palette();
                palette.setColor(QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText));
                palette.setColor(QPalette::ButtonText, palette.color(QPalette::Disabled, QPalette::ButtonText));
                widget->setPalette(palette);
            }
        }
        option->setChecked(n == state.comPort);
        grid->addWidget(option, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
        options_[size_t(n - 1)] = option;
    }
    grid->setColumnStretch(1, 1);

    auto* ok = namedButton("Command_ok", kConfirm.in(language()), this);
    auto* cancel = namedButton("Command1", QString::fromUtf8(kCancel), this);
    setDefaultButton(ok);
    connect(ok, &QPushButton::clicked, this, &PortWindow::confirm);
    connect(cancel, &QPushButton::clicked, this, [this] { closeChildWindow(this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
}

QRect PortWindow::initialGeometry(const QSize& main) const
{
    const int w = main.width() / 2;
    const int h = int(main.height() / 1.8);
    return QRect((main.width() - w) / 2, std::max(0, (main.height() - h) / 2 - kRaiseAboveCentre), w, h);
}

void PortWindow::confirm()
{
    for (size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked())
            state().comPort = int(i) + 1;
    emit portConfirmed();
    closeChildWindow(this);
}

} // namespace r5
