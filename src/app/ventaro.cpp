#include "app/ventaro.h"

#include "app/first_use.h"
#include "backup/system_files.h"
#include "registry/applier.h"
#include "registry/defaults.h"
#include "registry/reader.h"
#include "system/restart.h"
#include "system/windows_version.h"

namespace ventaro {

TVentaro::TVentaro(platform::Platform& platform, MainWindowView& view)
    : platform_(platform)
    , view_(view)
{
}

void TVentaro::FormCreate()
{
    ShowFirstUseNoticeOnce(platform_.registry, [this] { view_.ShowFirstUseNotice(); });
    view_.SetStatusLine(
        " Operating System: " + std::string(WindowsVersionName(ClassifyWindowsVersion(platform_.version))));
    view_.ApplyTheme();
    ReadCurrentSettings();
}

void TVentaro::FormDestroy()
{
    // Nothing of its own to free: the theming comes with the manifest, and
    // every other object goes with the window.
}

void TVentaro::ReadCurrentSettings() { ventaro::ReadCurrentSettings(platform_, panel_); }

void TVentaro::ToolButton4Click() { Optimize(platform_, panel_); }

void TVentaro::ViewCurentSettings1Click() { ReadCurrentSettings(); }

void TVentaro::ToolButton1Click() { ReadCurrentSettings(); }

void TVentaro::RestoreDefaults() { RestoreWindowsDefaults(platform_, panel_); }

void TVentaro::RestoreWindowsDefaults1Click() { RestoreDefaults(); }

void TVentaro::ToolButton6Click() { RestoreDefaults(); }

void TVentaro::Backup1Click()
{
    backup::BackupSystemFiles(platform_.files, platform_.profile, platform_.dialogs,
        Dispatch(ClassifyWindowsVersion(platform_.version)).family);
}

void TVentaro::Restoreyouroriginalconfiguration1Click()
{
    backup::RestoreSystemFiles(platform_.files, platform_.profile, platform_.dialogs);
}

void TVentaro::Exit1Click() { view_.Close(); }

void TVentaro::ToolButton10Click() { view_.Terminate(); }

void TVentaro::Open(std::string_view target)
{
    platform_.shell.Execute("open", std::string(target), "", "", platform::kSwShow);
}

void TVentaro::Contents1Click()
{
    // By its bare name: the shell looks in the current working folder.
    Open(kHelpFile);
}

void TVentaro::ToolButton8Click()
{
    const std::string exe = platform_.files.ExecutablePath();
    Open(exe.substr(0, exe.find_last_of("\\/") + 1) + std::string(kHelpFile));
}

void TVentaro::Check1Click() { Open(kDownloadPage); }

void TVentaro::HomePage1Click() { Open(kHomePage); }

void TVentaro::glLabel2Click() { Open(kHomePage); }

void TVentaro::About1Click() { view_.ShowAboutBox(); }

void TVentaro::AboutVentaro1Click() { view_.ShowAboutBox(); }

} // namespace ventaro
