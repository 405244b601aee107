#include "platform/win32/win32_profile.h"

#include <windows.h>

namespace ventaro::platform {

std::string Win32Profile::ReadString(
    const std::string& file, const std::string& section, const std::string& entry, const std::string& fallback)
{
    char buffer[kProfileReadLimit + 1] = {};
    const DWORD length = GetPrivateProfileStringA(
        section.c_str(), entry.c_str(), fallback.c_str(), buffer, sizeof buffer, file.c_str());
    return std::string(buffer, length);
}

bool Win32Profile::WriteString(
    const std::string& file, const std::string& section, const std::string& entry, const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), entry.c_str(), value.c_str(), file.c_str()) != FALSE;
}

void Win32Profile::Flush(const std::string& file)
{
    // All three names null: the system writes its cached copy of the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

std::string Win32Profile::WindowsDirectory()
{
    char buffer[1024] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return length < sizeof buffer ? std::string(buffer, length) : std::string();
}

} // namespace ventaro::platform
