#pragma once

// A settings panel on the in-memory platform, with shorthands to set up and
// inspect the registry and Win.ini around the registry engine.
#include "platform/controls/form.h"
#include "raised.h"
#include "registry/error.h"
#include "registry/registry.h"
#include "settings/settings_panel.h"
#include "system/windows_version.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace ventaro::test {

inline constexpr platform::RegKey HKLM = platform::kLocalMachine;
inline constexpr platform::RegKey HKCU = platform::kCurrentUser;

inline constexpr const char* kServices = "System\\CurrentControlSet\\Services\\";
inline constexpr const char* kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

inline std::string Svc(const std::string& tail) { return kServices + tail; }

// The keys the engine tests look at most.
inline const std::string kMstcp = Svc("VxD\\MSTCP");
inline const std::string kMstcpParameters = Svc("VxD\\MSTCP\\Parameters");
inline const std::string kTcpip = Svc("Tcpip\\Parameters");
inline const std::string kInterface = Svc("Tcpip\\Parameters\\Interfaces\\interface");
inline const std::string kNetTrans = Svc("Class\\NetTrans");

struct VersionRecord {
    std::uint32_t platformId, major, minor;
    const char* csd;
};

inline VersionRecord RecordOf(WindowsVersion version)
{
    switch (version) {
    case WindowsVersion::Windows95:
        return {1, 4, 0, ""};
    case WindowsVersion::Windows98:
        return {1, 4, 10, ""};
    case WindowsVersion::Windows98SE:
        return {1, 4, 10, " A "};
    case WindowsVersion::WindowsME:
        return {1, 4, 90, ""};
    case WindowsVersion::WindowsNT4:
        return {2, 4, 0, "Service Pack 6a"};
    case WindowsVersion::Windows2000:
        return {2, 5, 0, "Service Pack 4"};
    case WindowsVersion::WindowsXP:
        return {2, 5, 1, "Service Pack 3"};
    default:
        return {2, 5, 2, ""};
    }
}

class EngineFixture : public testing::Test {
protected:
    EngineFixture()
    {
        // A fresh machine has the user's Internet Settings key.
        MakeKey(HKCU, kInternetSettings);
    }

    void SetVersion(WindowsVersion version)
    {
        const auto r = RecordOf(version);
        sys.version.Set(r.platformId, r.major, r.minor, r.csd);
    }

    void MakeKey(platform::RegKey root, const std::string& path)
    {
        platform::RegKey key = 0;
        ASSERT_EQ(sys.registry.CreateKey(root, path, platform::kKeyAllAccess, key), platform::kSuccess);
        sys.registry.CloseKey(key);
    }

    void Put(platform::RegKey root, const std::string& path, const std::string& name, std::uint32_t type,
        const std::string& bytes)
    {
        platform::RegKey key = 0;
        ASSERT_EQ(sys.registry.CreateKey(root, path, platform::kKeyAllAccess, key), platform::kSuccess);
        sys.registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        sys.registry.CloseKey(key);
    }
    void PutSz(platform::RegKey root, const std::string& path, const std::string& name, const std::string& text)
    {
        Put(root, path, name, platform::kRegSz, text + '\0');
    }
    void PutDword(platform::RegKey root, const std::string& path, const std::string& name, std::uint32_t value)
    {
        Put(root, path, name, platform::kRegDword, std::string(reinterpret_cast<const char*>(&value), 4));
    }
    void PutByte(platform::RegKey root, const std::string& path, const std::string& name, std::uint8_t byte)
    {
        Put(root, path, name, platform::kRegBinary, std::string(1, static_cast<char>(byte)));
    }

    std::optional<platform::RegValue> Get(platform::RegKey root, const std::string& path, const std::string& name)
    {
        platform::RegKey key = 0;
        if (sys.registry.OpenKey(root, path, platform::kKeyRead, key) != platform::kSuccess)
            return std::nullopt;
        platform::RegValue value;
        const long status = sys.registry.QueryValue(key, name, value);
        sys.registry.CloseKey(key);
        if (status != platform::kSuccess)
            return std::nullopt;
        return value;
    }
    bool Has(platform::RegKey root, const std::string& path, const std::string& name)
    {
        return Get(root, path, name).has_value();
    }
    // A REG_SZ as text, or "<type N>" / "<missing>" for anything else.
    std::string Sz(platform::RegKey root, const std::string& path, const std::string& name)
    {
        const auto value = Get(root, path, name);
        if (!value)
            return "<missing>";
        if (value->type != platform::kRegSz)
            return "<type " + std::to_string(value->type) + ">";
        return std::string(value->data.begin(), value->data.end() - (value->data.empty() ? 0 : 1));
    }
    // A REG_DWORD, or nothing when the value is missing or of another type.
    std::optional<std::uint32_t> Dword(platform::RegKey root, const std::string& path, const std::string& name)
    {
        const auto value = Get(root, path, name);
        if (!value || value->type != platform::kRegDword || value->data.size() != 4)
            return std::nullopt;
        std::uint32_t n = 0;
        std::memcpy(&n, value->data.data(), 4);
        return n;
    }
    std::optional<int> Byte(platform::RegKey root, const std::string& path, const std::string& name)
    {
        const auto value = Get(root, path, name);
        if (!value || value->type != platform::kRegBinary || value->data.size() != 1)
            return std::nullopt;
        return value->data[0];
    }

    std::string WinIni()
    {
        std::ifstream in(sys.WinIni(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void SetWinIni(const std::string& text) { std::ofstream(sys.WinIni(), std::ios::binary) << text; }

    // The registry writes and creations an operation made.
    std::size_t Writes() const
    {
        std::size_t n = 0;
        for (const auto& access : sys.registry.Log())
            if (access.kind == platform::MemoryRegistry::Access::Kind::Set
                || access.kind == platform::MemoryRegistry::Access::Kind::Create
                || access.kind == platform::MemoryRegistry::Access::Kind::Delete)
                ++n;
        return n;
    }

    TestPlatform sys;
    controls::Form form;
    SettingsPanel panel{form};
};

} // namespace ventaro::test

namespace ventaro {

// Test names by version, as the status line spells them.
inline void PrintTo(WindowsVersion version, std::ostream* os)
{
    for (const char c : WindowsVersionName(version))
        if (c != ' ')
            *os << c;
}

} // namespace ventaro
