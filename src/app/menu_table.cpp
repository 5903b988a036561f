#include "app/menu_table.h"

#include <array>

namespace r5 {
namespace {

using S = MenuShown;

constexpr std::array kMenuItems = {
    MenuItemSpec{"File", nullptr, {"文件", "File"}, "", S::Always},
    MenuItemSpec{"File_New", "File", {"新建", "New"}, "Ctrl+N", S::Always},
    MenuItemSpec{"File_Open", "File", {"打开", "Open"}, "Ctrl+O", S::Always},
    MenuItemSpec{"File_save", "File", {"保存", "Save"}, "Ctrl+S", S::Always},
    MenuItemSpec{"File_saveas", "File", {"另存为", "Save As"}, "", S::Always},
    MenuItemSpec{"sep_File_export_csv", "File", {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{"File_export_csv", "File", {"导出信道…", "Export channels…"}, "", S::WhenBuilt},
    MenuItemSpec{"File_import_csv", "File", {"导入信道…", "Import channels…"}, "", S::WhenBuilt},
    MenuItemSpec{"File_export_sheet", "File", {"导出编程表…", "Export sheet…"}, "", S::WhenBuilt},
    MenuItemSpec{"File_print", "File", {"打印…", "Print…"}, "Ctrl+P", S::WhenBuilt},
    MenuItemSpec{"File_exit", "File", {"退出", "Exit"}, "", S::Always},
    MenuItemSpec{"proc_type", nullptr, {"机型", "Model"}, "", S::WhenBuilt},
    MenuItemSpec{"Edit", nullptr, {"编辑", "Edit"}, "", S::Always},
    MenuItemSpec{"Channel_edit", "Edit", {"信道信息", "Channel Information "}, "", S::Always},
    MenuItemSpec{"Optional_edit", "Edit", {"可选功能", "Optional Features"}, "", S::Always},
    MenuItemSpec{"key_edit", "Edit", {"键设定", "Key Assignment"}, "", S::WhenBuilt},
    MenuItemSpec{"sep_key_edit", "Edit", {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{"Scan_edit", "Edit", {"扫描信息", "Scan Information"}, "", S::WhenBuilt},
    MenuItemSpec{"Dtmf_edit", "Edit", {"DTMF(双音多频)", "DTMF"}, "", S::Never},
    MenuItemSpec{"Fleetsync_edit", "Edit", {"FleetSync(队列同步)", "FleetSync"}, "", S::Never},
    MenuItemSpec{"Test_edit", "Edit", {"收音机编辑", "Radio"}, "", S::WhenBuilt},
    MenuItemSpec{"sep_Test_edit", "Edit", {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{"Message_edit", "Edit", {"嵌入信息", "Embedded Message"}, "", S::WhenBuilt},
    MenuItemSpec{"Program", nullptr, {"编程", "Program"}, "", S::Always},
    MenuItemSpec{"Prog_read", "Program", {"从对讲机读取数据", "Read from radio"}, "Ctrl+R", S::Always},
    MenuItemSpec{"Prog_write", "Program", {"向对讲机写入数据", "Write to radio"}, "Ctrl+W", S::Always},
    MenuItemSpec{"Prog_test", "Program", {"测试模式", "Test Mode"}, "Ctrl+T", S::Never},
    MenuItemSpec{"Adjust", nullptr, {"调整", "Adjust"}, "", S::Never},
    MenuItemSpec{"Adj_Txp", "Adjust", {"发射功率调整", "Power Adjust"}, "", S::Never},
    MenuItemSpec{"PC_PassWord", nullptr, {"修改密码", "Edit PassWord"}, "", S::WhenBuilt},
    MenuItemSpec{"proc_setup", nullptr, {"端口设置", "Communication"}, "", S::Always, "端口"},
    MenuItemSpec{"Other", nullptr, {"调试", "Test"}, "", S::FactoryOnly},
    MenuItemSpec{"Language_Setup", nullptr, {"语言", "Language"}, "", S::Always},
    MenuItemSpec{"Language_chn", "Language_Setup", {"中文", "中文"}, "", S::Always},
    MenuItemSpec{"Language_eng", "Language_Setup", {"English", "English"}, "", S::Always},
    MenuItemSpec{"Menu_About", nullptr, {"关于", "About"}, "", S::WhenBuilt},
    MenuItemSpec{"Menu_exit", nullptr, {"退出", "Exit"}, "", S::Always},
};

constexpr std::array kStatusPanels = {
    StatusPanelSpec{5, "状态", "State"},
    StatusPanelSpec{11, "", ""},
    StatusPanelSpec{6, nullptr, nullptr},
    StatusPanelSpec{8, "软件版本", "  Version"},
    StatusPanelSpec{8, nullptr, nullptr},
    StatusPanelSpec{5, "频段", "Band", "频 段"},
    StatusPanelSpec{15, nullptr, nullptr},
    StatusPanelSpec{43, "", ""},
};

} // namespace

std::span<const MenuItemSpec> menuItems() { return kMenuItems; }
std::span<const StatusPanelSpec> statusPanels() { return kStatusPanels; }

} // namespace r5
