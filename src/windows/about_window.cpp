#include "windows/about_window.h"

#include "model/window_names.h"
#include "ui/captions.h"
#include "ui/child_frame.h"
#include "ui/program_title.h"
#include "ui/toolbar_icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace r5 {
namespace {

constexpr Text kTitle{"关于", "About"};
constexpr Text kNotice{
    "本软件用于读取、编辑和写入 Harlan R5 系列对讲机（Sable-VHF、Sable-UHF、Sable-FULL）的数据，"
    "并将其保存为“.chann”文件。写入前请确认对讲机型号与频段。",
    "Reads, edits and writes the memory of Harlan R5 series radios (Sable-VHF, Sable-UHF, Sable-FULL) "
    "and keeps it in \".chann\" files. Check the radio's model and band before writing."};
constexpr Text kClose{"确 定", "OK"};

} // namespace

AboutWindow::AboutWindow(AppState& state, QWidget* parent) : ChildWindow(state, parent)
{
    setObjectName(window::kAbout);
    setCaption(this, kTitle, language());

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    auto* title = new QLabel(this);
    setCaption(title, kMainWindowTitle, language());
    title->setObjectName("Label_title");
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    title->setFont(bigger);
    auto* version = new QLabel(state.versionText, this);
    version->setObjectName("VersionText");
    auto* notice = captioned(new QLabel(this), kNotice, language());
    notice->setObjectName("Label_notice");
    notice->setWordWrap(true);
    auto* ok = captioned(new QPushButton(this), kClose, language());
    ok->setObjectName("Command_ok");
    setDefaultButton(ok);
    connect(ok, &QPushButton::clicked, this, [this] { closeChildWindow(this); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(notice);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
}

QRect AboutWindow::initialGeometry(const QSize& mainWindowSize) const
{
    const int w = std::min(mainWindowSize.width() * 9 / 10, 460);
    const int h = std::min(mainWindowSize.height() * 8 / 10, 240);
    return QRect((mainWindowSize.width() - w) / 2, (mainWindowSize.height() - h) / 4, w, h);
}

} // namespace r5
