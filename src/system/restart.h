#pragma once

#include "platform/platform.h"
#include "system/windows_version.h"

#include <cstdint>
#include <string_view>

namespace ventaro {

// The three ways of restarting each generation of Windows. Each starts the
// restart and returns at once; nothing is reported when it fails.
void RestartWindows95(platform::ShellApi& shell);
void RestartWindows98(platform::ShellApi& shell);
void RestartWindowsNT(platform::Platform& platform);

// ExitWindowsEx with the shutdown privilege enabled first on the NT line.
bool ExitWindowsWithPrivilege(platform::Platform& platform, std::uint32_t flags);

void Restart(platform::Platform& platform, RestartMethod method);

// After Optimize: asks whether to reboot now, naming the connection, and on
// yes restarts the running version its own way (Unknown: not at all).
void PromptRestart(platform::Platform& platform, std::string_view connectionName);

} // namespace ventaro
