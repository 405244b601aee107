#pragma once

#include "platform/registry_api.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace ventaro {

enum class RegDataType { None, String, ExpandString, Integer, Binary };

// A registry key handle that closes itself; never closes the predefined roots.
class ScopedKey {
public:
    ScopedKey(platform::RegistryApi& api, platform::RegKey key)
        : api_(&api)
        , key_(key)
    {
    }
    ScopedKey(ScopedKey&& other) noexcept
        : api_(other.api_)
        , key_(other.Release())
    {
    }
    ScopedKey& operator=(ScopedKey&&) = delete;
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    ~ScopedKey();

    platform::RegKey Get() const { return key_; }
    platform::RegKey Release()
    {
        const auto key = key_;
        key_ = 0;
        return key;
    }

private:
    platform::RegistryApi* api_;
    platform::RegKey key_;
};

// A registry object: a root, an access mask for its opens and at most one
// open key. Paths starting with a backslash resolve from the root, others
// from the open key. Lives for one operation; releasing it closes its key.
class TRegistry {
public:
    explicit TRegistry(platform::RegistryApi& api);
    virtual ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    platform::RegKey RootKey() const { return root_; }
    void SetRootKey(platform::RegKey root);
    std::uint32_t Access() const { return access_; }
    const std::string& CurrentPath() const { return currentPath_; }
    bool HasOpenKey() const { return current_ != 0; }

    bool OpenKey(const std::string& path, bool canCreate);
    bool OpenKeyReadOnly(const std::string& path);
    void CloseKey();
    bool CreateKey(const std::string& path);

    RegDataType GetDataType(const std::string& name);
    bool ValueExists(const std::string& name);
    std::string ReadString(const std::string& name);
    std::int32_t ReadInteger(const std::string& name);
    std::size_t ReadBinaryData(const std::string& name, void* buffer, std::size_t size);
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, std::int32_t value);
    void WriteBinaryData(const std::string& name, const void* buffer, std::size_t size);
    bool DeleteValue(const std::string& name);

protected:
    platform::RegistryApi& Api() { return api_; }
    platform::RegKey CurrentKey() const { return current_; }
    // Opens a path without making it the open key; 0 when it cannot be opened.
    platform::RegKey OpenRaw(const std::string& path);
    // Points value operations at another key for one scope (INI-style calls).
    class KeySwap {
    public:
        KeySwap(TRegistry& owner, platform::RegKey key);
        ~KeySwap();
        KeySwap(const KeySwap&) = delete;
        KeySwap& operator=(const KeySwap&) = delete;

    private:
        TRegistry& owner_;
        platform::RegKey old_;
    };

private:
    struct Resolved {
        platform::RegKey base;
        std::string path;
        bool relative;
    };
    Resolved Resolve(const std::string& path) const;
    void ChangeKey(platform::RegKey key, const Resolved& resolved);
    void PutData(const std::string& name, std::uint32_t type, const void* data, std::size_t size);

    platform::RegistryApi& api_;
    platform::RegKey root_ = platform::kCurrentUser;
    std::uint32_t access_ = platform::kKeyAllAccess;
    platform::RegKey current_ = 0;
    std::string currentPath_;
};

// Sections are key paths below the open key, idents are value names.
// Each call leaves the open key as it found it.
class TRegIniFile : public TRegistry {
public:
    using TRegistry::ReadString;
    using TRegistry::TRegistry;
    using TRegistry::WriteString;

    std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback);
    void WriteString(const std::string& section, const std::string& ident, const std::string& value);
    // Deletes the value 'ident' of the section; never a key.
    void DeleteKey(const std::string& section, const std::string& ident);

private:
    template <typename Action> bool WithSection(const std::string& section, Action&& action);
};

// Ventaro's own integer access: a fresh object with full access each call.
// A key that is missing or cannot be opened for writing reads as 0.
std::int32_t ReadRegistryInteger(
    platform::RegistryApi& api, platform::RegKey root, const std::string& path, const std::string& name);
// Never creates the key: writing into a missing one raises "Failed to set data".
void WriteRegistryInteger(platform::RegistryApi& api, platform::RegKey root, const std::string& path,
    const std::string& name, std::int32_t value);

} // namespace ventaro
