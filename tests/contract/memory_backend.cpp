#include "contract/contract_backend.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ventaro::test {
namespace {

std::string HostPath(std::string path)
{
    for (auto& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

class MemoryBackend final : public ContractBackend {
public:
    MemoryBackend()
        : folder_(std::filesystem::temp_directory_path() / ("ventaro-contract-" + std::to_string(::getpid())))
        , profile_(folder_.string())
    {
        std::filesystem::create_directories(folder_);
    }
    ~MemoryBackend() override { std::filesystem::remove_all(folder_); }

    platform::RegistryApi& Registry() override { return registry_; }
    platform::ProfileApi& Profile() override { return profile_; }
    std::string ScratchFolder() override { return folder_.string(); }
    bool DenyWrite(platform::RegKey root, const std::string& path) override
    {
        registry_.Deny(root, path, platform::MemoryRegistry::Denial::Write);
        return true;
    }
    void AllowWrite(platform::RegKey root, const std::string& path) override
    {
        registry_.Deny(root, path, platform::MemoryRegistry::Denial::None);
    }
    bool KeyExists(platform::RegKey root, const std::string& path) override { return registry_.KeyExists(root, path); }
    void DeleteKeyTree(platform::RegKey root, const std::string& path) override { registry_.DeleteKeyTree(root, path); }
    std::string ReadFile(const std::string& path) override
    {
        std::ifstream in(HostPath(path), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void WriteFile(const std::string& path, const std::string& bytes) override
    {
        std::ofstream(HostPath(path), std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::filesystem::path folder_;
    platform::MemoryRegistry registry_;
    platform::MemoryProfile profile_;
};

} // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() { return std::make_unique<MemoryBackend>(); }

} // namespace ventaro::test
