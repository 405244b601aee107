#include "platform/win32/win32_version.h"

#include <windows.h>

#include <cstring>

namespace ventaro::platform {

static_assert(sizeof(OSVERSIONINFOA) == 148, "the record the system expects");
static_assert(sizeof(OsVersionInfo) == sizeof(OSVERSIONINFOA));

bool Win32Version::GetVersion(OsVersionInfo& info)
{
    OSVERSIONINFOA native{};
    native.dwOSVersionInfoSize = info.size;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&native))
        return false;
#pragma GCC diagnostic pop
    info.major = native.dwMajorVersion;
    info.minor = native.dwMinorVersion;
    info.build = native.dwBuildNumber;
    info.platformId = native.dwPlatformId;
    std::memcpy(info.csdVersion, native.szCSDVersion, sizeof info.csdVersion);
    return true;
}

} // namespace ventaro::platform
