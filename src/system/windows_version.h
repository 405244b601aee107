#pragma once

#include "platform/version_api.h"

#include <string_view>

namespace ventaro {

enum class WindowsVersion : int {
    Unknown = -1,
    Windows95 = 0,
    Windows98 = 1,
    Windows98SE = 2,
    WindowsME = 3,
    WindowsNT4 = 4,
    Windows2000 = 5,
    WindowsXP = 6,
};

// The status line's name of each version.
std::string_view WindowsVersionName(WindowsVersion version);

// Asks the system every time; nothing is cached.
WindowsVersion ClassifyWindowsVersion(platform::VersionApi& api);

// Which operation each version selects. Unknown goes with the Win9x family
// everywhere, except that Optimize offers no restart for it.
enum class Family { Win9x, NT };
enum class RestoreForm { Win95, Win98, NT };
enum class RestartMethod { None, Windows95, Windows98, NT };

struct VersionDispatch {
    Family family;
    bool writesGlobalReceiveWindows; // inside the Win9x writer
    RestoreForm restoreForm;
    RestartMethod restartAfterRestore;
    RestartMethod restartAfterOptimize;
};

const VersionDispatch& Dispatch(WindowsVersion version);

} // namespace ventaro
