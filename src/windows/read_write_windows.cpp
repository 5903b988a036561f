#include "windows/read_write_windows.h"

#include "link/read_exchange.h"
#include "link/write_exchange.h"
#include "model/window_names.h"

namespace r5 {
namespace {

const TransferWindow::Captions kReadCaptions = {
    {"从对讲机读取数据", "Read Data From Radio"}, "Command_read", {"读取", "Read"}, "读出密码", 200,
};

const TransferWindow::Captions kWriteCaptions = {
    {"写数据到对讲机", "Write Data to Radio"}, "Command_Write", {"写入", "Write"}, "写入密码", 500,
};

} // namespace

ReadWindow::ReadWindow(AppState& state, const LinkContext& link, QWidget* parent)
    : TransferWindow(state, new ReadExchange(state, link.ports, link.serialPorts, link.timers), kReadCaptions, parent)
{
    setObjectName(window::kRead);
}

WriteWindow::WriteWindow(AppState& state, const LinkContext& link, QWidget* parent)
    : TransferWindow(state, new WriteExchange(state, link.ports, link.serialPorts, link.timers), kWriteCaptions, parent),
      link_(link)
{
    setObjectName(window::kWrite);
    addSafetyBoxes();
}

} // namespace r5
