#pragma once

#include "platform/registry_api.h"

namespace ventaro::platform {

// The real registry through advapi32 (ANSI calls, as the target systems use).
class Win32Registry final : public RegistryApi {
public:
    long OpenKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) override;
    long CreateKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) override;
    long CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::string& name, RegValue& value) override;
    long SetValue(
        RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::size_t size) override;
    long DeleteValue(RegKey key, const std::string& name) override;
};

} // namespace ventaro::platform
