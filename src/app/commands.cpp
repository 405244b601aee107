#include "app/commands.h"

#include "app/ventaro.h"

namespace ventaro {
namespace {

constexpr MenuEntry kSeparator{"", "", 0, Key::None, nullptr};

const MenuEntry kSettingsItems[] = {
    {"OptimizeConnection1", "&Optimize Connection", IdOptimizeConnection1, Key::F2, &TVentaro::ToolButton4Click},
    {"ViewCurentSettings1", "&View Curent Settings ", IdViewCurentSettings1, Key::F3,
        &TVentaro::ViewCurentSettings1Click},
    kSeparator,
    {"Backup1", "&Backup your settings", IdBackup1, Key::F5, &TVentaro::Backup1Click},
    {"Restoreyouroriginalconfiguration1", "Restore &previous settings", IdRestoreyouroriginalconfiguration1, Key::F6,
        &TVentaro::Restoreyouroriginalconfiguration1Click},
    kSeparator,
    {"RestoreWindowsDefaults1", "Restore &Windows Defaults", IdRestoreWindowsDefaults1, Key::F4,
        &TVentaro::RestoreWindowsDefaults1Click},
    kSeparator,
    {"Exit1", "E&xit", IdExit1, Key::None, &TVentaro::Exit1Click},
};

const MenuEntry kHelpItems[] = {
    {"Contents1", "&Contents", IdContents1, Key::None, &TVentaro::Contents1Click},
    kSeparator,
    {"Check1", "Check for a new version", IdCheck1, Key::None, &TVentaro::Check1Click},
    {"HomePage1", "Ventaro &Home Page", IdHomePage1, Key::None, &TVentaro::HomePage1Click},
    kSeparator,
    {"AboutVentaro1", "&About Ventaro", IdAboutVentaro1, Key::None, &TVentaro::AboutVentaro1Click},
};

const Menu kMainMenu[] = {
    {"Settings1", "&Settings", kSettingsItems, 0, nullptr},
    {"Help1", "&Help", kHelpItems, 0, nullptr},
    {"About1", "&About", {}, IdAbout1, &TVentaro::About1Click},
};

const ToolButton kToolButtons[] = {
    {"ToolButton5", "Optimize", "Optimize your connection", IdToolButton5, &TVentaro::ToolButton4Click},
    {"ToolButton6", "Restore", "Restore Windows Defaults", IdToolButton6, &TVentaro::ToolButton6Click},
    {"ToolButton7", "View ", "View curent Settings", IdToolButton7, &TVentaro::ToolButton1Click},
    {"ToolButton8", "Help", "Help contents", IdToolButton8, &TVentaro::ToolButton8Click},
    {"ToolButton10", "Exit", "Exit the program", IdToolButton10, &TVentaro::ToolButton10Click},
};

} // namespace

std::span<const Menu> MainMenu() { return kMainMenu; }

std::span<const ToolButton> ToolButtons() { return kToolButtons; }

Handler CommandHandler(int id)
{
    for (const auto& menu : kMainMenu) {
        if (menu.id == id)
            return menu.handler;
        for (const auto& item : menu.items)
            if (item.handler && item.id == id)
                return item.handler;
    }
    for (const auto& button : kToolButtons)
        if (button.id == id)
            return button.handler;
    return nullptr;
}

} // namespace ventaro
