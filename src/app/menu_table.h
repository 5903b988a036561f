#pragma once

#include "model/text.h"

#include <QString>

#include <span>

namespace r5 {

// When a menu item is on the menu bar. The radio maker's menu hid every item
// whose window was unfinished; this program shows those whose window exists.
enum class MenuShown {
    Always,
    WhenBuilt,    // shown once the window behind it is part of the program
    FactoryOnly,  // shown only when started with --factory (and the window exists)
    Never,        // no window behind it at all
};

// One item of the menu bar: its name (the QAction's objectName), the submenu it
// sits in (nullptr on the bar), its captions, shortcut and visibility. A
// separator has the name of the item it follows, prefixed with "sep_".
struct MenuItemSpec {
    const char* name;
    const char* parent;
    Text caption;
    const char* key;           // QKeySequence text, empty for none
    MenuShown shown;
    char accessKey;            // the letter that chooses it from the keyboard, unique within its menu
    const char* startUpZh = nullptr;  // the Chinese caption before the first language switch
};

// Every item in menu order.
std::span<const MenuItemSpec> menuItems();
bool isMenuSeparator(const MenuItemSpec& item);

// The caption a menu item shows, with its access key: in English the key's
// letter in the words is marked ("&File"); Chinese captions carry it after the
// words ("文件(&F)"), as Chinese desktop programs do.
QString menuCaption(const MenuItemSpec& item, Language language, bool atStartUp);
// A menu caption's words without the access key.
QString withoutAccessKey(QString caption);

// The eight panels of the status bar, left to right. A panel whose texts are
// null shows what the program puts there (port, version, band).
struct StatusPanelSpec {
    int widthPercent;     // of the frame's width at start-up
    const char* zh;
    const char* en;
    const char* startUpZh = nullptr;
};
std::span<const StatusPanelSpec> statusPanels();

inline constexpr int kLinkStatusPanel = 2;
inline constexpr int kPortPanel = 3;
inline constexpr int kVersionPanel = 5;
inline constexpr int kBandPanel = 7;

} // namespace r5
