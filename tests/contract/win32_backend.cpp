#include "contract/contract_backend.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <aclapi.h>
#include <shlwapi.h>

#include <fstream>
#include <sstream>

namespace ventaro::test {
namespace {

HKEY Root(platform::RegKey root) { return root == platform::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// Replaces the key's DACL: everyone may read, nobody may write.
bool SetKeyDacl(platform::RegKey root, const std::string& path, DWORD everyoneAccess)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(Root(root), path.c_str(), 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSA entry{};
    entry.grfAccessPermissions = everyoneAccess;
    entry.grfAccessMode = SET_ACCESS;
    entry.grfInheritance = NO_INHERITANCE;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<LPSTR>(everyone);
    PACL acl = nullptr;
    bool ok = SetEntriesInAclA(1, &entry, nullptr, &acl) == ERROR_SUCCESS;
    if (ok) {
        SECURITY_DESCRIPTOR sd;
        InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
        ok = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
        LocalFree(acl);
    }
    FreeSid(everyone);
    RegCloseKey(key);
    return ok;
}

class Win32Backend final : public ContractBackend {
public:
    Win32Backend()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "VentaroContract";
        CreateDirectoryA(folder_.c_str(), nullptr);
    }

    platform::RegistryApi& Registry() override { return registry_; }
    platform::ProfileApi& Profile() override { return profile_; }
    std::string ScratchFolder() override { return folder_; }
    bool DenyWrite(platform::RegKey root, const std::string& path) override
    {
        HKEY key = nullptr;
        RegCreateKeyExA(Root(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        if (!SetKeyDacl(root, path, KEY_READ))
            return false;
        // Only a store that then refuses a writing open can stand for a user without rights.
        HKEY probe = nullptr;
        if (RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_ALL_ACCESS, &probe) == ERROR_SUCCESS) {
            RegCloseKey(probe);
            AllowWrite(root, path);
            return false;
        }
        return true;
    }
    void AllowWrite(platform::RegKey root, const std::string& path) override { SetKeyDacl(root, path, KEY_ALL_ACCESS); }
    bool KeyExists(platform::RegKey root, const std::string& path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(Root(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    void DeleteKeyTree(platform::RegKey root, const std::string& path) override
    {
        SHDeleteKeyA(Root(root), path.c_str());
    }
    std::string ReadFile(const std::string& path) override
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    void WriteFile(const std::string& path, const std::string& bytes) override
    {
        // The system caches profile files; drop its copy before replacing one.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

private:
    std::string folder_;
    platform::Win32Registry registry_;
    platform::Win32Profile profile_;
};

} // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() { return std::make_unique<Win32Backend>(); }

} // namespace ventaro::test
