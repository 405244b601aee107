#pragma once

#include <span>
#include <string_view>

namespace ventaro {

class TVentaro;
using Handler = void (TVentaro::*)();

// Control and command IDs of the main window: the automation contract that
// accessibility tools and the end-to-end tests rely on. Never renumber.
enum CommandId : int {
    // Menu items.
    IdOptimizeConnection1 = 101,
    IdViewCurentSettings1 = 102,
    IdBackup1 = 103,
    IdRestoreyouroriginalconfiguration1 = 104,
    IdRestoreWindowsDefaults1 = 105,
    IdExit1 = 106,
    IdContents1 = 107,
    IdCheck1 = 108,
    IdHomePage1 = 109,
    IdAboutVentaro1 = 110,
    IdAbout1 = 111,
    // Tool buttons.
    IdToolButton5 = 121,
    IdToolButton6 = 122,
    IdToolButton7 = 123,
    IdToolButton8 = 124,
    IdToolButton10 = 125,
    // The frame.
    IdCoolBar1 = 201,
    IdToolBar1 = 202,
    IdStatusBar1 = 203,
    IdPanel1 = 204,
    IdGlLabel2 = 205,
    IdGlLabel1 = 206,
    IdPanel2 = 207,
};

enum class Key { None, F2, F3, F4, F5, F6 };

struct MenuEntry {
    std::string_view name;    // empty for a separator
    std::string_view caption; // empty for a separator
    int id;
    Key shortcut;
    Handler handler;
};

struct Menu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuEntry> items; // empty: a command on the menu bar itself
    int id;
    Handler handler;
};

struct ToolButton {
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    int id;
    Handler handler;
};

std::span<const Menu> MainMenu();
std::span<const ToolButton> ToolButtons();
// The handler of a menu or tool-bar command ID, or null.
Handler CommandHandler(int id);

} // namespace ventaro
