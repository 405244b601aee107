// A full read, Optimize and restore of one Win9x and one NT version against
// the real registry and Win.ini. The version, the dialogs and the restart
// calls are scripted: a "Yes" here would restart the Wine prefix.
#include <windows.h>

#include "platform/controls/form.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_system.h"
#include "platform/memory/memory_version.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "registry/applier.h"
#include "registry/defaults.h"
#include "registry/reader.h"
#include "settings/settings_panel.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace ventaro {
namespace {

const char* const kServices = "System\\CurrentControlSet\\Services\\";

std::string Svc(const std::string& tail) { return kServices + tail; }

DWORD Dword(HKEY root, const std::string& path, const char* name, bool* found = nullptr)
{
    DWORD value = 0, size = sizeof value, type = 0;
    const bool ok = SHGetValueA(root, path.c_str(), name, &type, &value, &size) == ERROR_SUCCESS && type == REG_DWORD;
    if (found)
        *found = ok;
    return value;
}

std::string Sz(HKEY root, const std::string& path, const char* name)
{
    char text[256] = {};
    DWORD size = sizeof text - 1, type = 0;
    if (SHGetValueA(root, path.c_str(), name, &type, text, &size) != ERROR_SUCCESS || type != REG_SZ)
        return "<missing>";
    return text;
}

bool Has(HKEY root, const std::string& path, const char* name)
{
    return SHGetValueA(root, path.c_str(), name, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string Port(const char* entry)
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    char text[64] = {};
    GetPrivateProfileStringA("Ports", entry, "", text, sizeof text, (std::string(folder) + "\\Win.ini").c_str());
    return text;
}

class RealRegistryEngine : public testing::Test {
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP").c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Svc("Tcpip\\Parameters").c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Svc("Class\\Net").c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, Svc("Class\\NetTrans").c_str());
    }

    platform::Win32Registry registry;
    platform::Win32Profile profile;
    platform::MemoryVersion version;
    platform::MemoryShell shell;
    platform::MemoryShutdown shutdown;
    platform::MemoryFiles files;
    platform::ScriptedDialogs dialogs;
    platform::Platform api{registry, profile, version, shell, shutdown, files, dialogs};
    controls::Form form;
    SettingsPanel panel{form};
};

TEST_F(RealRegistryEngine, Windows98SecondEdition)
{
    version.Set(1, 4, 10, " A ");
    ReadCurrentSettings(api, panel);
    EXPECT_FALSE(panel.Edit1.Enabled());

    panel.glCheckBox2.Click(); // ISDN, Automatic Mode 1
    dialogs.answers = {platform::DialogResult::No};
    Optimize(api, panel);
    EXPECT_EQ(Sz(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP"), "DefaultTTL"), "128");
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP"), "DefaultRcvWindow"), 11680u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP\\Parameters"), "GlobalMaxTcpWindoSize"), 11680u);
    EXPECT_EQ(Sz(HKEY_LOCAL_MACHINE, Svc("Class\\NetTrans\\0002"), "MaxMSS"), "1460");
    EXPECT_EQ(Port("COM5:"), "921600,n,8,1,p");

    panel.Edit1.SetText("1");
    ReadCurrentSettings(api, panel);
    EXPECT_EQ(panel.Edit1.Text(), "128");
    EXPECT_EQ(panel.Edit4.Text(), "11680");
    EXPECT_TRUE(panel.CheckBox6.Checked());

    dialogs.answers = {platform::DialogResult::No};
    RestoreWindowsDefaults(api, panel);
    EXPECT_EQ(Sz(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP"), "DefaultTTL"), "32");
    EXPECT_FALSE(Has(HKEY_LOCAL_MACHINE, Svc("VxD\\MSTCP\\Parameters"), "GlobalMaxTcpWindoSize"));
    EXPECT_EQ(Sz(HKEY_LOCAL_MACHINE, Svc("Class\\NetTrans\\0000"), "IPMTU"), "1500");
    EXPECT_EQ(Port("COM1:"), "9600,n,8,1,x");
    ReadCurrentSettings(api, panel);
    EXPECT_EQ(panel.Edit1.Text(), "32");
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(RealRegistryEngine, WindowsXP)
{
    version.Set(2, 5, 1, "Service Pack 3");
    ReadCurrentSettings(api, panel);
    panel.glCheckBox4.Click();  // DSL (PPPoE)
    panel.glCheckBox12.Click(); // Automatic mode 3
    dialogs.answers = {platform::DialogResult::No};
    Optimize(api, panel);
    const std::string tcpip = Svc("Tcpip\\Parameters");
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, tcpip, "TcpWindowSize"), 177144u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, tcpip + "\\Interfaces\\interface", "MTU"), 1492u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, Svc("Netbt\\Parameters"), "SessionKeepAlive"), 600000u);

    panel.Edit2.SetText("0");
    ReadCurrentSettings(api, panel);
    EXPECT_EQ(panel.Edit2.Text(), "1492");
    EXPECT_EQ(panel.Edit4.Text(), "177144");
    EXPECT_EQ(panel.Edit5.Text(), "600");

    dialogs.answers = {platform::DialogResult::No};
    RestoreWindowsDefaults(api, panel);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, tcpip, "TcpWindowSize"), 65535u);
    EXPECT_FALSE(Has(HKEY_LOCAL_MACHINE, tcpip + "\\Interfaces\\interface", "MTU"));
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, tcpip, "TcpMaxDupAcks"), 2u);
    ReadCurrentSettings(api, panel);
    EXPECT_TRUE(panel.CheckBox8.Checked());
    EXPECT_TRUE(shutdown.steps.empty());
}

} // namespace
} // namespace ventaro
