#include "app/menu_table.h"

#include "model/window_names.h"

#include <QString>

#include <array>

namespace r5 {
namespace {

using S = MenuShown;

constexpr std::array kMenuItems = {
    MenuItemSpec{command::kFileMenu, nullptr, {"文件", "File"}, "", S::Always},
    MenuItemSpec{command::kNewFile, command::kFileMenu, {"新建", "New"}, "Ctrl+N", S::Always},
    MenuItemSpec{command::kOpenFile, command::kFileMenu, {"打开", "Open"}, "Ctrl+O", S::Always},
    MenuItemSpec{command::kSaveFile, command::kFileMenu, {"保存", "Save"}, "Ctrl+S", S::Always},
    MenuItemSpec{command::kSaveFileAs, command::kFileMenu, {"另存为", "Save As"}, "", S::Always},
    MenuItemSpec{"sep_File_export_csv", command::kFileMenu, {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{command::kExportChannels, command::kFileMenu, {"导出信道…", "Export channels…"}, "", S::WhenBuilt},
    MenuItemSpec{command::kImportChannels, command::kFileMenu, {"导入信道…", "Import channels…"}, "", S::WhenBuilt},
    MenuItemSpec{command::kExportSheet, command::kFileMenu, {"导出编程表…", "Export sheet…"}, "", S::WhenBuilt},
    MenuItemSpec{command::kPrint, command::kFileMenu, {"打印…", "Print…"}, "Ctrl+P", S::WhenBuilt},
    MenuItemSpec{command::kExitFromFile, command::kFileMenu, {"退出", "Exit"}, "", S::Always},
    MenuItemSpec{command::kModel, nullptr, {"机型", "Model"}, "", S::WhenBuilt},
    MenuItemSpec{command::kEditMenu, nullptr, {"编辑", "Edit"}, "", S::Always},
    MenuItemSpec{command::kChannels, command::kEditMenu, {"信道信息", "Channel Information "}, "", S::Always},
    MenuItemSpec{command::kOptionalFeatures, command::kEditMenu, {"可选功能", "Optional Features"}, "", S::WhenBuilt},
    MenuItemSpec{command::kKeyAssignment, command::kEditMenu, {"键设定", "Key Assignment"}, "", S::WhenBuilt},
    MenuItemSpec{"sep_key_edit", command::kEditMenu, {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{command::kScanInformation, command::kEditMenu, {"扫描信息", "Scan Information"}, "", S::WhenBuilt},
    MenuItemSpec{command::kDtmf, command::kEditMenu, {"DTMF(双音多频)", "DTMF"}, "", S::Never},
    MenuItemSpec{command::kFleetSync, command::kEditMenu, {"FleetSync(队列同步)", "FleetSync"}, "", S::Never},
    MenuItemSpec{command::kTestFrequencies, command::kEditMenu, {"收音机编辑", "Radio"}, "", S::WhenBuilt},
    MenuItemSpec{"sep_Test_edit", command::kEditMenu, {"", ""}, "", S::WhenBuilt},
    MenuItemSpec{command::kEmbeddedMessage, command::kEditMenu, {"嵌入信息", "Embedded Message"}, "", S::WhenBuilt},
    MenuItemSpec{command::kProgramMenu, nullptr, {"编程", "Program"}, "", S::Always},
    MenuItemSpec{command::kRead, command::kProgramMenu, {"从对讲机读取数据", "Read from radio"}, "Ctrl+R", S::Always},
    MenuItemSpec{command::kWrite, command::kProgramMenu, {"向对讲机写入数据", "Write to radio"}, "Ctrl+W", S::Always},
    MenuItemSpec{command::kTestMode, command::kProgramMenu, {"测试模式", "Test Mode"}, "Ctrl+T", S::Never},
    MenuItemSpec{command::kAdjustMenu, nullptr, {"调整", "Adjust"}, "", S::Never},
    MenuItemSpec{command::kPowerAdjust, command::kAdjustMenu, {"发射功率调整", "Power Adjust"}, "", S::Never},
    MenuItemSpec{command::kPassword, nullptr, {"修改密码", "Edit PassWord"}, "", S::WhenBuilt},
    MenuItemSpec{command::kPort, nullptr, {"端口设置", "Communication"}, "", S::Always, "端口"},
    MenuItemSpec{command::kFactoryAdjust, nullptr, {"调试", "Test"}, "", S::FactoryOnly},
    MenuItemSpec{command::kLanguageMenu, nullptr, {"语言", "Language"}, "", S::Always},
    MenuItemSpec{command::kChinese, command::kLanguageMenu, {"中文", "中文"}, "", S::Always},
    MenuItemSpec{command::kEnglish, command::kLanguageMenu, {"English", "English"}, "", S::Always},
    MenuItemSpec{command::kAbout, nullptr, {"关于", "About"}, "", S::WhenBuilt},
    MenuItemSpec{command::kExit, nullptr, {"退出", "Exit"}, "", S::Always},
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
bool isMenuSeparator(const MenuItemSpec& item) { return QLatin1String(item.name).startsWith(QLatin1String("sep_")); }
std::span<const StatusPanelSpec> statusPanels() { return kStatusPanels; }

} // namespace r5
