#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ventaro::platform {

// Registry primitives with the Win32 shape: results are system error codes,
// handles are opaque numbers and the two roots are the predefined handles.
using RegKey = std::uintptr_t;

inline constexpr RegKey kCurrentUser = 0x80000001;
inline constexpr RegKey kLocalMachine = 0x80000002;

inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kMoreData = 234;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

struct RegValue {
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
};

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    virtual long OpenKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) = 0;
    // Creates the key and every missing key above it, or opens it when it exists.
    virtual long CreateKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) = 0;
    virtual long CloseKey(RegKey key) = 0;
    virtual long QueryValue(RegKey key, const std::string& name, RegValue& value) = 0;
    virtual long SetValue(
        RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::size_t size)
        = 0;
    virtual long DeleteValue(RegKey key, const std::string& name) = 0;
};

} // namespace ventaro::platform
