#pragma once

#include "platform/registry_api.h"

#include <map>
#include <memory>
#include <string>

namespace ventaro::platform {

// A registry held in memory for native tests: keys and value names compare
// without regard to case, values keep their type and raw bytes, and a key can
// be made to refuse opening or writing, as for a user without rights.
class MemoryRegistry final : public RegistryApi {
public:
    MemoryRegistry();

    long OpenKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) override;
    long CreateKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey& key) override;
    long CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::string& name, RegValue& value) override;
    long SetValue(
        RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::size_t size) override;
    long DeleteValue(RegKey key, const std::string& name) override;

    // Test set-up; paths are taken from the root, separated by backslashes.
    enum class Denial { None, Write, Open };
    void Deny(RegKey root, const std::string& path, Denial denial);
    bool KeyExists(RegKey root, const std::string& path) const;
    void DeleteKeyTree(RegKey root, const std::string& path);
    std::size_t OpenHandleCount() const { return handles_.size() - 2; }

    // Every access seen, for tests that check an operation against a table.
    struct Access {
        enum class Kind { Open, Create, Query, Set, Delete } kind;
        std::string key; // full path from the root, as the caller spelled it
        std::string value;
        std::uint32_t type = 0;
    };
    const std::vector<Access>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Node {
        std::map<std::string, std::shared_ptr<Node>, NoCaseLess> children;
        std::map<std::string, RegValue, NoCaseLess> values;
        Denial denial = Denial::None;
    };
    struct Handle {
        std::shared_ptr<Node> node;
        std::uint32_t access;
        std::string path;
    };

    const Handle* Find(RegKey key) const;
    std::shared_ptr<Node> Walk(
        const std::shared_ptr<Node>& from, const std::string& path, bool create, long& status) const;
    RegKey NewHandle(std::shared_ptr<Node> node, std::uint32_t access, std::string path);

    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 0x100;
    std::vector<Access> log_;
};

} // namespace ventaro::platform
