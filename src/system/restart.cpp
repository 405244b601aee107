#include "system/restart.h"

#include <string>

namespace ventaro {

using namespace platform;

void RestartWindows95(ShellApi& shell)
{
    shell.Execute("open", "C:\\windows\\rundll.exe", "user.exe,exitwindowsexec", "", kSwShow);
}

void RestartWindows98(ShellApi& shell)
{
    shell.Execute("open", "C:\\WINDOWS\\RUNDLL32.EXE", "shell32,SHExitWindowsEx 2", "", kSwShow);
}

void RestartWindowsNT(Platform& platform)
{
    // A reboot that lets other programs save their work: only programs that
    // hang are closed by force. NT 4.0 knows no force-if-hung.
    const auto version = ClassifyWindowsVersion(platform.version);
    const std::uint32_t flags = version == WindowsVersion::WindowsNT4 ? kEwxReboot : kEwxReboot | kEwxForceIfHung;
    if (!ExitWindowsWithPrivilege(platform, flags))
        platform.shell.Execute("open", "SHUTDOWN", "-r -t 01", "", kSwShow);
}

namespace {

// The process token, closed on every path out.
class ScopedToken {
public:
    ScopedToken(ShutdownApi& api, std::uint32_t access)
        : api_(api)
    {
        opened_ = api.OpenProcessToken(access, token_);
    }
    ~ScopedToken()
    {
        if (opened_)
            api_.CloseToken(token_);
    }
    ScopedToken(const ScopedToken&) = delete;
    ScopedToken& operator=(const ScopedToken&) = delete;

    bool Opened() const { return opened_; }
    TokenHandle Get() const { return token_; }

private:
    ShutdownApi& api_;
    TokenHandle token_ = 0;
    bool opened_ = false;
};

constexpr std::uint32_t kPlatformNT = 2;

} // namespace

bool ExitWindowsWithPrivilege(Platform& platform, std::uint32_t flags)
{
    OsVersionInfo info;
    if (platform.version.GetVersion(info) && info.platformId == kPlatformNT) {
        ScopedToken token(platform.shutdown, kTokenAdjustPrivileges | kTokenQuery);
        if (token.Opened()) {
            TokenPrivileges state;
            state.count = 1;
            state.attributes = kSePrivilegeEnabled;
            if (platform.shutdown.LookupPrivilege("SeShutdownPrivilege", state.luid)) {
                TokenPrivileges previous;
                std::uint32_t length = 0;
                // Whether the privilege could be enabled shows in the exit call below.
                platform.shutdown.AdjustTokenPrivileges(token.Get(), state, previous, length);
            }
        }
    }
    return platform.shutdown.ExitSystem(flags, 0);
}

void Restart(Platform& platform, RestartMethod method)
{
    switch (method) {
    case RestartMethod::None:
        break;
    case RestartMethod::Windows95:
        RestartWindows95(platform.shell);
        break;
    case RestartMethod::Windows98:
        RestartWindows98(platform.shell);
        break;
    case RestartMethod::NT:
        RestartWindowsNT(platform);
        break;
    }
}

void PromptRestart(Platform& platform, std::string_view connectionName)
{
    const std::string text = "Your " + std::string(connectionName)
        + " connection has been Optimized. Before using the new settings you must restart your computer. Do you wish "
          "to reboot now? ";
    if (platform.dialogs.Show(DialogKind::Confirmation, text) != DialogResult::Yes)
        return;
    Restart(platform, Dispatch(ClassifyWindowsVersion(platform.version)).restartAfterOptimize);
}

} // namespace ventaro
