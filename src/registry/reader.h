#pragma once

#include "platform/platform.h"

namespace ventaro {

class SettingsPanel;

// Fills the panel with the machine's current values, by the form of the
// running family. Missing values are never reported.
void ReadCurrentSettings(platform::Platform& platform, SettingsPanel& panel);
void ReadCurrentSettingsWin9x(platform::Platform& platform, SettingsPanel& panel);
void ReadCurrentSettingsNT(platform::Platform& platform, SettingsPanel& panel);

} // namespace ventaro
