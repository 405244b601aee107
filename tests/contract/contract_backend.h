#pragma once

#include "platform/profile_api.h"
#include "platform/registry_api.h"

#include <memory>
#include <string>

namespace ventaro::test {

// What the registry-layer contract runs against: the in-memory store natively,
// the real registry and profile functions under Wine. Chosen at build time.
class ContractBackend {
public:
    virtual ~ContractBackend() = default;

    virtual platform::RegistryApi& Registry() = 0;
    virtual platform::ProfileApi& Profile() = 0;
    // A Windows-style folder path the profile tests may write into.
    virtual std::string ScratchFolder() = 0;

    // Makes the key refuse opening for writing; false when the store cannot.
    virtual bool DenyWrite(platform::RegKey root, const std::string& path) = 0;
    virtual void AllowWrite(platform::RegKey root, const std::string& path) = 0;
    virtual bool KeyExists(platform::RegKey root, const std::string& path) = 0;
    virtual void DeleteKeyTree(platform::RegKey root, const std::string& path) = 0;
    // Reads a file's bytes by its Windows-style path.
    virtual std::string ReadFile(const std::string& path) = 0;
    virtual void WriteFile(const std::string& path, const std::string& bytes) = 0;
};

std::unique_ptr<ContractBackend> MakeContractBackend();

} // namespace ventaro::test
