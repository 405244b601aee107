#include "registry/registry.h"

#include "registry/error.h"

#include <cstring>

namespace ventaro {

using namespace platform;

namespace {

[[noreturn]] void Raise(const char* pattern, const std::string& arg) { throw Error(Format(pattern, arg)); }

RegDataType ToDataType(std::uint32_t type)
{
    switch (type) {
    case kRegSz:
        return RegDataType::String;
    case kRegExpandSz:
        return RegDataType::ExpandString;
    case kRegDword:
        return RegDataType::Integer;
    case kRegBinary:
        return RegDataType::Binary;
    default:
        return RegDataType::None;
    }
}

} // namespace

ScopedKey::~ScopedKey()
{
    if (key_ != 0 && key_ != kCurrentUser && key_ != kLocalMachine)
        api_->CloseKey(key_);
}

TRegistry::TRegistry(RegistryApi& api)
    : api_(api)
{
}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(RegKey root)
{
    if (root != root_) {
        CloseKey();
        root_ = root;
    }
}

TRegistry::Resolved TRegistry::Resolve(const std::string& path) const
{
    const bool relative = path.empty() || path.front() != '\\';
    return Resolved{relative && current_ != 0 ? current_ : root_, relative ? path : path.substr(1), relative};
}

void TRegistry::ChangeKey(RegKey key, const Resolved& resolved)
{
    const std::string path = resolved.relative && current_ != 0 ? currentPath_ + "\\" + resolved.path : resolved.path;
    CloseKey();
    current_ = key;
    currentPath_ = path;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate)
{
    const Resolved r = Resolve(path);
    RegKey key = 0;
    const long status = canCreate && !r.path.empty() ? api_.CreateKey(r.base, r.path, access_, key)
                                                     : api_.OpenKey(r.base, r.path, access_, key);
    if (status != kSuccess)
        return false;
    ChangeKey(key, r);
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& path)
{
    // Plain read first; users with fewer rights may still query values.
    static constexpr std::uint32_t kTries[]
        = {kKeyRead, 0x20000 | kKeyQueryValue | kKeyEnumerateSubKeys, kKeyQueryValue};
    const Resolved r = Resolve(path);
    for (const auto access : kTries) {
        RegKey key = 0;
        if (api_.OpenKey(r.base, r.path, access, key) == kSuccess) {
            access_ = access;
            ChangeKey(key, r);
            return true;
        }
    }
    return false;
}

void TRegistry::CloseKey()
{
    if (current_ != 0) {
        api_.CloseKey(current_);
        current_ = 0;
        currentPath_.clear();
    }
}

bool TRegistry::CreateKey(const std::string& path)
{
    const Resolved r = Resolve(path);
    RegKey key = 0;
    if (api_.CreateKey(r.base, r.path, kKeyAllAccess, key) != kSuccess)
        Raise("Failed to create key %s", path);
    ScopedKey created(api_, key);
    return true;
}

RegDataType TRegistry::GetDataType(const std::string& name)
{
    RegValue value;
    if (current_ == 0 || api_.QueryValue(current_, name, value) != kSuccess)
        return RegDataType::None;
    return ToDataType(value.type);
}

bool TRegistry::ValueExists(const std::string& name)
{
    RegValue value;
    return current_ != 0 && api_.QueryValue(current_, name, value) == kSuccess;
}

std::string TRegistry::ReadString(const std::string& name)
{
    RegValue value;
    if (current_ == 0 || api_.QueryValue(current_, name, value) != kSuccess || value.data.empty())
        return {};
    if (value.type != kRegSz && value.type != kRegExpandSz)
        Raise("Invalid data type for '%s'", name);
    const auto* text = reinterpret_cast<const char*>(value.data.data());
    return std::string(text, strnlen(text, value.data.size()));
}

std::int32_t TRegistry::ReadInteger(const std::string& name)
{
    RegValue value;
    if (current_ == 0 || api_.QueryValue(current_, name, value) != kSuccess || value.data.size() > 4)
        Raise("Failed to get data for '%s'", name);
    if (value.type != kRegDword)
        Raise("Invalid data type for '%s'", name);
    std::uint32_t result = 0;
    std::memcpy(&result, value.data.data(), value.data.size());
    return static_cast<std::int32_t>(result);
}

std::size_t TRegistry::ReadBinaryData(const std::string& name, void* buffer, std::size_t size)
{
    RegValue value;
    if (current_ == 0 || api_.QueryValue(current_, name, value) != kSuccess)
        return 0;
    if (value.type != kRegBinary || value.data.size() > size)
        Raise("Invalid data type for '%s'", name);
    std::memcpy(buffer, value.data.data(), value.data.size());
    return value.data.size();
}

void TRegistry::PutData(const std::string& name, std::uint32_t type, const void* data, std::size_t size)
{
    if (current_ == 0 || api_.SetValue(current_, name, type, static_cast<const std::uint8_t*>(data), size) != kSuccess)
        Raise("Failed to set data for '%s'", name);
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    PutData(name, kRegSz, value.c_str(), value.size() + 1);
}

void TRegistry::WriteInteger(const std::string& name, std::int32_t value)
{
    PutData(name, kRegDword, &value, sizeof value);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* buffer, std::size_t size)
{
    PutData(name, kRegBinary, buffer, size);
}

bool TRegistry::DeleteValue(const std::string& name)
{
    return current_ != 0 && api_.DeleteValue(current_, name) == kSuccess;
}

RegKey TRegistry::OpenRaw(const std::string& path)
{
    const Resolved r = Resolve(path);
    RegKey key = 0;
    return api_.OpenKey(r.base, r.path, access_, key) == kSuccess ? key : 0;
}

TRegistry::KeySwap::KeySwap(TRegistry& owner, RegKey key)
    : owner_(owner)
    , old_(owner.current_)
{
    owner.current_ = key;
}

TRegistry::KeySwap::~KeySwap() { owner_.current_ = old_; }

template <typename Action> bool TRegIniFile::WithSection(const std::string& section, Action&& action)
{
    ScopedKey key(Api(), OpenRaw(section));
    if (key.Get() == 0)
        return false;
    KeySwap swap(*this, key.Get());
    action();
    return true;
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& fallback)
{
    std::string result = fallback;
    WithSection(section, [&] {
        if (ValueExists(ident))
            result = TRegistry::ReadString(ident);
    });
    return result;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value)
{
    CreateKey(section);
    // A section that was created but cannot be opened is passed over quietly.
    WithSection(section, [&] { TRegistry::WriteString(ident, value); });
}

void TRegIniFile::DeleteKey(const std::string& section, const std::string& ident)
{
    WithSection(section, [&] { TRegistry::DeleteValue(ident); });
}

std::int32_t ReadRegistryInteger(RegistryApi& api, RegKey root, const std::string& path, const std::string& name)
{
    TRegistry reg(api);
    reg.SetRootKey(root);
    reg.OpenKey(path, false);
    return reg.ValueExists(name) ? reg.ReadInteger(name) : 0;
}

void WriteRegistryInteger(
    RegistryApi& api, RegKey root, const std::string& path, const std::string& name, std::int32_t value)
{
    TRegistry reg(api);
    reg.SetRootKey(root);
    reg.OpenKey(path, false);
    reg.WriteInteger(name, value);
}

} // namespace ventaro
