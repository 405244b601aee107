#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace ventaro::platform {
namespace {

constexpr std::uint32_t kWriteBits = kKeySetValue | kKeyCreateSubKey;

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(path);
    while (std::getline(in, part, '\\'))
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

std::string JoinPath(const std::string& base, const std::string& path)
{
    if (base.empty())
        return path;
    if (path.empty())
        return base;
    return base + "\\" + path;
}

} // namespace

bool MemoryRegistry::NoCaseLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

MemoryRegistry::MemoryRegistry()
{
    // The roots are predefined handles, open with full access for good.
    handles_.emplace(kCurrentUser, Handle{std::make_shared<Node>(), kKeyAllAccess, ""});
    handles_.emplace(kLocalMachine, Handle{std::make_shared<Node>(), kKeyAllAccess, ""});
}

const MemoryRegistry::Handle* MemoryRegistry::Find(RegKey key) const
{
    const auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Walk(
    const std::shared_ptr<Node>& from, const std::string& path, bool create, long& status) const
{
    auto node = from;
    for (const auto& name : SplitPath(path)) {
        if (node->denial == Denial::Open) {
            status = kAccessDenied;
            return nullptr;
        }
        auto it = node->children.find(name);
        if (it == node->children.end()) {
            if (!create) {
                status = kFileNotFound;
                return nullptr;
            }
            if (node->denial == Denial::Write) {
                status = kAccessDenied;
                return nullptr;
            }
            it = node->children.emplace(name, std::make_shared<Node>()).first;
        }
        node = it->second;
    }
    status = kSuccess;
    return node;
}

RegKey MemoryRegistry::NewHandle(std::shared_ptr<Node> node, std::uint32_t access, std::string path)
{
    const RegKey key = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace(key, Handle{std::move(node), access, std::move(path)});
    return key;
}

long MemoryRegistry::OpenKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key)
{
    const Handle* from = Find(parent);
    if (!from)
        return kInvalidHandle;
    const std::string full = JoinPath(from->path, path);
    log_.push_back({Access::Kind::Open, full, "", access});
    long status = kSuccess;
    auto node = Walk(from->node, path, false, status);
    if (!node)
        return status;
    if (node->denial == Denial::Open || (node->denial == Denial::Write && (access & kWriteBits)))
        return kAccessDenied;
    key = NewHandle(std::move(node), access, full);
    return kSuccess;
}

long MemoryRegistry::CreateKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key)
{
    const Handle* from = Find(parent);
    if (!from)
        return kInvalidHandle;
    const std::string full = JoinPath(from->path, path);
    log_.push_back({Access::Kind::Create, full, "", access});
    long status = kSuccess;
    auto node = Walk(from->node, path, true, status);
    if (!node)
        return status;
    if (node->denial == Denial::Open || (node->denial == Denial::Write && (access & kWriteBits)))
        return kAccessDenied;
    key = NewHandle(std::move(node), access, full);
    return kSuccess;
}

long MemoryRegistry::CloseKey(RegKey key)
{
    if (key == kCurrentUser || key == kLocalMachine)
        return kSuccess;
    return handles_.erase(key) ? kSuccess : kInvalidHandle;
}

long MemoryRegistry::QueryValue(RegKey key, const std::string& name, RegValue& value)
{
    const Handle* handle = Find(key);
    if (!handle)
        return kInvalidHandle;
    log_.push_back({Access::Kind::Query, handle->path, name, 0});
    if (!(handle->access & kKeyQueryValue))
        return kAccessDenied;
    const auto it = handle->node->values.find(name);
    if (it == handle->node->values.end())
        return kFileNotFound;
    value = it->second;
    return kSuccess;
}

long MemoryRegistry::SetValue(
    RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::size_t size)
{
    const Handle* handle = Find(key);
    if (!handle)
        return kInvalidHandle;
    log_.push_back({Access::Kind::Set, handle->path, name, type});
    if (!(handle->access & kKeySetValue) || handle->node->denial != Denial::None)
        return kAccessDenied;
    handle->node->values[name] = RegValue{type, std::vector<std::uint8_t>(data, data + size)};
    return kSuccess;
}

long MemoryRegistry::DeleteValue(RegKey key, const std::string& name)
{
    const Handle* handle = Find(key);
    if (!handle)
        return kInvalidHandle;
    log_.push_back({Access::Kind::Delete, handle->path, name, 0});
    if (!(handle->access & kKeySetValue) || handle->node->denial != Denial::None)
        return kAccessDenied;
    return handle->node->values.erase(name) ? kSuccess : kFileNotFound;
}

void MemoryRegistry::Deny(RegKey root, const std::string& path, Denial denial)
{
    long status = kSuccess;
    if (auto node = Walk(Find(root)->node, path, true, status))
        node->denial = denial;
}

bool MemoryRegistry::KeyExists(RegKey root, const std::string& path) const
{
    long status = kSuccess;
    return Walk(Find(root)->node, path, false, status) != nullptr;
}

void MemoryRegistry::DeleteKeyTree(RegKey root, const std::string& path)
{
    auto parts = SplitPath(path);
    if (parts.empty())
        return;
    const std::string leaf = parts.back();
    parts.pop_back();
    std::string parentPath;
    for (const auto& p : parts)
        parentPath = JoinPath(parentPath, p);
    long status = kSuccess;
    if (auto parent = Walk(Find(root)->node, parentPath, false, status))
        parent->children.erase(leaf);
}

} // namespace ventaro::platform
