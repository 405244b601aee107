#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace ventaro::platform {
namespace {

HKEY ToHandle(RegKey key)
{
    // The predefined roots are sign-extended handle values on 64-bit Windows.
    if (key == kCurrentUser)
        return HKEY_CURRENT_USER;
    if (key == kLocalMachine)
        return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Registry::OpenKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key)
{
    HKEY result = nullptr;
    const LONG status = RegOpenKeyExA(ToHandle(parent), path.c_str(), 0, access, &result);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegKey>(result);
    return status;
}

long Win32Registry::CreateKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key)
{
    HKEY result = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(
        ToHandle(parent), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &result, &disposition);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegKey>(result);
    return status;
}

long Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHandle(key)); }

long Win32Registry::QueryValue(RegKey key, const std::string& name, RegValue& value)
{
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(ToHandle(key), name.c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    value.data.assign(size, 0);
    status = RegQueryValueExA(ToHandle(key), name.c_str(), nullptr, &type, value.data.data(), &size);
    if (status == ERROR_SUCCESS) {
        value.type = type;
        value.data.resize(size);
    }
    return status;
}

long Win32Registry::SetValue(
    RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::size_t size)
{
    return RegSetValueExA(ToHandle(key), name.c_str(), 0, type, data, static_cast<DWORD>(size));
}

long Win32Registry::DeleteValue(RegKey key, const std::string& name)
{
    return RegDeleteValueA(ToHandle(key), name.c_str());
}

} // namespace ventaro::platform
