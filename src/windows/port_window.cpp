#include "windows/port_window.h"

#include "link/port_table.h"
#include "model/text.h"
#include "model/window_names.h"
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
constexpr Text kTest{"测 试", "Test"};
const char* const kCancel = "取 消";  // the same in both languages

// 500 twips above centre, at the 15 twips per pixel of a normal screen.
constexpr int kRaiseAboveCentre = 500 / 15;

} // namespace

PortWindow::PortWindow(AppState& state, const PortTable& ports, QWidget* parent)
    : ChildWindow(state, parent), ports_(ports)
{
    setObjectName(window::kPort);
    setCaption(this, kTitle, language());

    auto* frame = captioned(new QGroupBox(this), kFrame, language());
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n) {
        auto* option = new QRadioButton(PortTable::comName(n), frame);
        option->setObjectName(QString("Option%1").arg(n));
        const bool present = ports.exists(n);
        auto* device = present ? new QLabel(ports.device(n), frame) : captioned(new QLabel(frame), kNoDevice, language());
        device->setObjectName(QString("Label_device%1").arg(n));
        if (present) {
            option->setToolTip(ports.description(n));
            device->setToolTip(ports.description(n));
        } else {
            // Set apart in any palette, light or dark, yet still selectable:
            // italic, and the device named in the palette's placeholder colour.
            for (QWidget* widget : {static_cast<QWidget*>(option), static_cast<QWidget*>(device)}) {
                QFont font = widget->font();
                font.setItalic(true);
                widget->setFont(font);
            }
            device->setForegroundRole(QPalette::PlaceholderText);
        }
        option->setChecked(n == state.comPort);
        grid->addWidget(option, n - 1, 0);
        grid->addWidget(device, n - 1, 1);
        options_[size_t(n - 1)] = option;
    }
    grid->setColumnStretch(1, 1);

    auto* ok = namedButton("Command_ok", kConfirm, language(), this);
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

int PortWindow::chosenPort() const
{
    for (size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked())
            return int(i) + 1;
    return 0;
}

void PortWindow::showDetails(int comPort)
{
    const PortDetails details = portDetails(ports_, comPort, *facts_);
    details_->setText(PortTable::comName(comPort) + '\n' + detailsText(details, language()));
    if (ports_.exists(comPort))
        options_[size_t(comPort - 1)]->setToolTip(detailsText(details, language()));
}

void PortWindow::retranslate()
{
    ChildWindow::retranslate();
    if (!facts_)
        return;
    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n)
        if (ports_.exists(n))
            showDetails(n);
    showDetails(chosenPort() ? chosenPort() : PortTable::kFirst);
    testResult_->clear();  // its words were the old language's; Test says it again
}

void PortWindow::addPortDoctor(SerialPortFactory& factory, std::unique_ptr<PortFacts> facts)
{
    facts_ = std::move(facts);
    details_ = namedLabel("Label_details", {}, this);
    auto* result = testResult_ = namedLabel("Label_test", {}, this);
    for (QLabel* label : {details_, result}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* test = namedButton("Command_test", kTest, language(), this);
    auto* row = new QHBoxLayout;
    row->addWidget(details_, 1);
    row->addWidget(test, 0, Qt::AlignTop);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertLayout(1, row);
    layout->insertWidget(2, result);

    for (int n = PortTable::kFirst; n <= PortTable::kLast; ++n) {
        if (ports_.exists(n))
            showDetails(n);
        connect(options_[size_t(n - 1)], &QRadioButton::toggled, this, [this, n, result](bool on) {
            if (!on)
                return;
            showDetails(n);
            result->clear();  // the last test spoke of another port
        });
    }
    connect(test, &QPushButton::clicked, this, [this, &factory, result] {
        const int n = chosenPort();
        if (n == 0)
            return;
        result->setText(testPort(ports_, n, factory, *facts_, language()).text);
        // The test may have found the device gone or its rights changed.
        showDetails(n);
    });
    showDetails(chosenPort() ? chosenPort() : PortTable::kFirst);
}

} // namespace r5
