#include "app/menu_table.h"

#include "model/window_names.h"

#include <QRegularExpression>
#include <QString>

#include <array>

namespace r5 {
namespace {

using S = MenuShown;

constexpr std::array kMenuItems = {
    MenuItemSpec{command::kFileMenu, nullptr, {"文件", "File"}, "", S::Always, 'F'},
    MenuItemSpec{command::kNewFile, command::kFileMenu, {"新建", "New"}, "Ctrl+N", S::Always, 'N'},
    MenuItemSpec{command::kOpenFile, command::kFileMenu, {"打开", "Open"}, "Ctrl+O", S::Always, 'O'},
    MenuItemSpec{command::kSaveFile, command::kFileMenu, {"保存", "Save"}, "Ctrl+S", S::Always, 'S'},
    MenuItemSpec{command::kSaveFileAs, command::kFileMenu, {"另存为", "Save As"}, "", S::Always, 'A'},
    MenuItemSpec{"sep_File_export_csv", command::kFileMenu, {"", ""}, "", S::WhenBuilt, 0},
    MenuItemSpec{command::kExportChannels, command::kFileMenu, {"导出信道…", "Export channels…"}, "", S::WhenBuilt, 'E'},
    MenuItemSpec{command::kImportChannels, command::kFileMenu, {"导入信道…", "Import channels…"}, "", S::WhenBuilt, 'I'},
    MenuItemSpec{command::kExportSheet, command::kFileMenu, {"导出编程表…", "Export sheet…"}, "", S::WhenBuilt, 'H'},
    MenuItemSpec{command::kPrint, command::kFileMenu, {"打印…", "Print…"}, "Ctrl+P", S::WhenBuilt, 'P'},
    MenuItemSpec{command::kExitFromFile, command::kFileMenu, {"退出", "Exit"}, "", S::Always, 'X'},
    MenuItemSpec{command::kModel, nullptr, {"机型", "Model"}, "", S::WhenBuilt, 'M'},
    MenuItemSpec{command::kEditMenu, nullptr, {"编辑", "Edit"}, "", S::Always, 'E'},
    MenuItemSpec{command::kChannels, command::kEditMenu, {"信道信息", "Channel Information "}, "", S::Always, 'C'},
    MenuItemSpec{command::kOptionalFeatures, command::kEditMenu, {"可选功能", "Optional Features"}, "", S::WhenBuilt, 'O'},
    MenuItemSpec{command::kKeyAssignment, command::kEditMenu, {"键设定", "Key Assignment"}, "", S::WhenBuilt, 'K'},
    MenuItemSpec{"sep_key_edit", command::kEditMenu, {"", ""}, "", S::WhenBuilt, 0},
    MenuItemSpec{command::kScanInformation, command::kEditMenu, {"扫描信息", "Scan Information"}, "", S::WhenBuilt, 'S'},
    MenuItemSpec{command::kDtmf, command::kEditMenu, {"DTMF(双音多频)", "DTMF"}, "", S::Never, 'D'},
    MenuItemSpec{command::kFleetSync, command::kEditMenu, {"FleetSync(队列同步)", "FleetSync"}, "", S::Never, 'F'},
    MenuItemSpec{command::kTestFrequencies, command::kEditMenu, {"收音机编辑", "Radio"}, "", S::WhenBuilt, 'R'},
    MenuItemSpec{"sep_Test_edit", command::kEditMenu, {"", ""}, "", S::WhenBuilt, 0},
    MenuItemSpec{command::kEmbeddedMessage, command::kEditMenu, {"嵌入信息", "Embedded Message"}, "", S::WhenBuilt, 'M'},
    MenuItemSpec{command::kProgramMenu, nullptr, {"编程", "Program"}, "", S::Always, 'P'},
    MenuItemSpec{command::kRead, command::kProgramMenu, {"从对讲机读取数据", "Read from radio"}, "Ctrl+R", S::Always, 'R'},
    MenuItemSpec{command::kWrite, command::kProgramMenu, {"向对讲机写入数据", "Write to radio"}, "Ctrl+W", S::Always, 'W'},
    MenuItemSpec{command::kTestMode, command::kProgramMenu, {"测试模式", "Test Mode"}, "Ctrl+T", S::Never, 'T'},
    MenuItemSpec{command::kAdjustMenu, nullptr, {"调整", "Adjust"}, "", S::Never, 'A'},
    MenuItemSpec{command::kPowerAdjust, command::kAdjustMenu, {"发射功率调整", "Power Adjust"}, "", S::Never, 'P'},
    MenuItemSpec{command::kPassword, nullptr, {"修改密码", "Edit PassWord"}, "", S::WhenBuilt, 'W'},
    MenuItemSpec{command::kPort, nullptr, {"端口设置", "Communication"}, "", S::Always, 'C', "端口"},
    MenuItemSpec{command::kFactoryAdjust, nullptr, {"调试", "Test"}, "", S::FactoryOnly, 'T'},
    MenuItemSpec{command::kLanguageMenu, nullptr, {"语言", "Language"}, "", S::Always, 'L'},
    MenuItemSpec{command::kChinese, command::kLanguageMenu, {"中文", "中文"}, "", S::Always, 'C'},
    MenuItemSpec{command::kEnglish, command::kLanguageMenu, {"English", "English"}, "", S::Always, 'E'},
    MenuItemSpec{command::kAbout, nullptr, {"关于", "About"}, "", S::WhenBuilt, 'B'},
    MenuItemSpec{command::kExit, nullptr, {"退出", "Exit"}, "", S::Always, 'X'},
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

QString menuCaption(const MenuItemSpec& item, Language language, bool atStartUp)
{
    const QString words = (language == Language::Chinese && atStartUp && item.startUpZh)
                              ? QString::fromUtf8(item.startUpZh)
                              : item.caption.in(language);
    const QChar key = QChar::fromLatin1(item.accessKey);
    const qsizetype at = words.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0 && words.at(at).isLetter() && words.at(at).unicode() < 0x80)
        return QString(words).insert(at, '&');
    return words + "(&" + key + ')';
}

QString withoutAccessKey(QString caption)
{
    static const QRegularExpression suffix("\\(&.\\)$");
    return caption.remove(suffix).remove('&');
}

} // namespace r5
