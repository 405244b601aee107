#include "system/windows_version.h"

#include <array>

namespace ventaro {
namespace {

constexpr int kFirst = static_cast<int>(WindowsVersion::Unknown);

constexpr std::array<std::string_view, 8> kNames = {"Unknown", "Windows 95", "Windows 98", "Windows 98 Second Edition",
    "Windows Millennium", "Windows NT 4.0", "Windows 2000", "Windows XP"};

using enum Family;
constexpr std::array<VersionDispatch, 8> kDispatch = {{
    {Win9x, true, RestoreForm::Win95, RestartMethod::Windows95, RestartMethod::None}, // Unknown
    {Win9x, false, RestoreForm::Win95, RestartMethod::Windows95, RestartMethod::Windows95},
    {Win9x, true, RestoreForm::Win98, RestartMethod::Windows98, RestartMethod::Windows98},
    {Win9x, true, RestoreForm::Win98, RestartMethod::Windows98, RestartMethod::Windows98},
    {Win9x, true, RestoreForm::Win98, RestartMethod::Windows98, RestartMethod::Windows98},
    {NT, false, RestoreForm::NT, RestartMethod::NT, RestartMethod::NT},
    {NT, false, RestoreForm::NT, RestartMethod::NT, RestartMethod::NT},
    {NT, false, RestoreForm::NT, RestartMethod::NT, RestartMethod::NT},
}};

std::size_t Index(WindowsVersion version)
{
    const int i = static_cast<int>(version) - kFirst;
    return i >= 0 && i < static_cast<int>(kNames.size()) ? static_cast<std::size_t>(i) : 0;
}

constexpr std::uint32_t kPlatformWindows = 1;
constexpr std::uint32_t kPlatformNT = 2;

} // namespace

std::string_view WindowsVersionName(WindowsVersion version) { return kNames[Index(version)]; }

const VersionDispatch& Dispatch(WindowsVersion version) { return kDispatch[Index(version)]; }

WindowsVersion ClassifyWindowsVersion(platform::VersionApi& api)
{
    platform::OsVersionInfo info;
    if (!api.GetVersion(info))
        return WindowsVersion::Unknown;
    if (info.platformId == kPlatformWindows && info.major == 4) {
        switch (info.minor) {
        case 0:
            return WindowsVersion::Windows95;
        case 10:
            // Second Edition reports " A " as its service-pack text.
            return info.csdVersion[0] != '\0' && info.csdVersion[1] == 'A' ? WindowsVersion::Windows98SE
                                                                           : WindowsVersion::Windows98;
        case 90:
            return WindowsVersion::WindowsME;
        }
    }
    if (info.platformId == kPlatformNT) {
        if (info.major <= 4)
            return WindowsVersion::WindowsNT4;
        if (info.major == 5 && info.minor == 0)
            return WindowsVersion::Windows2000;
        if (info.major == 5 && info.minor == 1)
            return WindowsVersion::WindowsXP;
    }
    return WindowsVersion::Unknown;
}

} // namespace ventaro
