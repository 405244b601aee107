#pragma once

#include "platform/platform.h"

namespace ventaro {

class SettingsPanel;

// The Optimize command: refuses without a connection type, writes the panel
// with the writer of the running family, then offers the restart.
void Optimize(platform::Platform& platform, SettingsPanel& panel);

// Every field is checked before anything is written, so a bad field leaves
// the registry as it was; registry errors still end a writer where they occur.
void ApplySettingsWin9x(platform::Platform& platform, SettingsPanel& panel);
void ApplySettingsNT(platform::Platform& platform, SettingsPanel& panel);

} // namespace ventaro
