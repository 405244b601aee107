#pragma once

#include "platform/platform.h"

namespace ventaro {

class SettingsPanel;

// Restore Windows Defaults: the form of the running version writes its fixed
// values, deletes what Optimize added, resets the port lines and asks to
// restart, restarting the way its form goes (not the version).
void RestoreWindowsDefaults(platform::Platform& platform, SettingsPanel& panel);

void RestoreDefaultsWin95(platform::Platform& platform);
void RestoreDefaultsWin98(platform::Platform& platform);
void RestoreDefaultsNT(platform::Platform& platform, SettingsPanel& panel);

} // namespace ventaro
