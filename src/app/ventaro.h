#pragma once

#include "platform/controls/form.h"
#include "platform/platform.h"
#include "settings/settings_panel.h"

#include <string>
#include <string_view>

namespace ventaro {

inline constexpr std::string_view kApplicationTitle = "Ventaro 1.94";
inline constexpr std::string_view kMainCaption = "Ventaro 1.94 (Win9x/ME/NT/XP)";
inline constexpr std::string_view kHelpFile = "Ventaro.chm";
inline constexpr std::string_view kHomePage = "http://www.ventaro.example/";
inline constexpr std::string_view kDownloadPage = "http://www.ventaro.example/download/";
inline constexpr std::string_view kWebSite = "http://www.ventaro.example";

// What the main window's behaviour asks of the real window.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // The status bar as one simple panel in bold type.
    virtual void SetStatusLine(const std::string& text) = 0;
    // Modal; returns when the user closes the notice.
    virtual void ShowFirstUseNotice() = 0;
    virtual void ApplyTheme() = 0;
    virtual void ShowAboutBox() = 0;
    // Closes the window (the program ends with it).
    virtual void Close() = 0;
    // Ends the message loop without a close request.
    virtual void Terminate() = 0;
};

// The main window's behaviour: the start-up sequence and every command.
// The Win32 window forwards its events here and mirrors the panel.
class TVentaro {
public:
    TVentaro(platform::Platform& platform, MainWindowView& view);

    controls::Form& Form() { return form_; }
    SettingsPanel& Panel() { return panel_; }

    void FormCreate();
    void FormDestroy();

    // Settings menu and tool bar.
    void ToolButton4Click();
    void ViewCurentSettings1Click();
    void ToolButton1Click();
    void RestoreWindowsDefaults1Click();
    void ToolButton6Click();
    void Backup1Click();
    void Restoreyouroriginalconfiguration1Click();
    void Exit1Click();
    void ToolButton10Click();
    // Help menu and the rest.
    void Contents1Click();
    void ToolButton8Click();
    void Check1Click();
    void HomePage1Click();
    void glLabel2Click();
    void About1Click();
    void AboutVentaro1Click();

private:
    void ReadCurrentSettings();
    void RestoreDefaults();
    void Open(std::string_view target);

    platform::Platform& platform_;
    MainWindowView& view_;
    controls::Form form_;
    SettingsPanel panel_{form_};
};

} // namespace ventaro
