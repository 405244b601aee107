#include "engine_fixture.h"
#include "registry/defaults.h"
#include "registry/reader.h"

namespace ventaro {
namespace {

using namespace test;
using platform::DialogResult;


class DefaultsTest : public EngineFixture {
protected:
    void Restore(WindowsVersion version, DialogResult answer = DialogResult::No)
    {
        SetVersion(version);
        sys.dialogs.answers = {answer};
        RestoreWindowsDefaults(sys.api, panel);
    }

    // What an optimized Win9x machine holds, with stray binding values.
    void OptimizedWin9x()
    {
        for (const char* name : {"BSDUrgent", "Tcp1323Opts"})
            PutDword(HKLM, kMstcp, name, 1);
        for (const char* name : {"Tcp1323Opts", "SackOpts", "GlobalMaxTcpWindoSize", "GlobalMaxTcpWindowSize"})
            PutDword(HKLM, kMstcpParameters, name, 1);
        for (const char* binding : {"Class\\NetTrans\\0000", "Class\\NetTrans\\0001", "Class\\NetTrans\\0002",
                 "Class\\Net\\0000", "Class\\Net\\0001"})
            for (const char* name : {"MaxMTU", "MaxMSS", "IPMTU"})
                PutSz(HKLM, Svc(binding), name, "576");
        PutSz(HKLM, kNetTrans, "0001", "stray");
        PutSz(HKLM, kNetTrans, "0002", "stray");
        PutDword(HKCU, kInternetSettings, "MaxConnectionsPerServer", 10);
        PutDword(HKCU, kInternetSettings, "MaxConnectionsPer1_0Server", 20);
    }
};

TEST_F(DefaultsTest, Windows98FormWritesAndDeletes)
{
    OptimizedWin9x();
    Restore(WindowsVersion::Windows98SE);
    EXPECT_EQ(Sz(HKLM, kMstcp, "DefaultRcvWindow"), "8192");
    EXPECT_EQ(Sz(HKLM, kMstcp, "DefaultTTL"), "32");
    EXPECT_EQ(Sz(HKLM, kMstcp, "SessionKeepAlive"), "3600");
    EXPECT_EQ(Sz(HKLM, kMstcp, "PMTUDiscovery"), "1");
    EXPECT_EQ(Sz(HKLM, kMstcp, "SackOpts"), "0");
    EXPECT_EQ(Dword(HKLM, kMstcpParameters, "MaxDupAcks"), 3u);
    for (const char* name : {"BSDUrgent", "Tcp1323Opts"})
        EXPECT_FALSE(Has(HKLM, kMstcp, name)) << name;
    for (const char* name : {"Tcp1323Opts", "SackOpts", "GlobalMaxTcpWindoSize", "GlobalMaxTcpWindowSize"})
        EXPECT_FALSE(Has(HKLM, kMstcpParameters, name)) << name;
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\cachesize"), ""), "0");
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxconnect"), "max"), "64");
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxsockets"), "max"), "255");
    // NetTrans\0000 keeps an IPMTU of 1500; the other bindings lose all three.
    EXPECT_EQ(Sz(HKLM, Svc("Class\\NetTrans\\0000"), "IPMTU"), "1500");
    EXPECT_FALSE(Has(HKLM, Svc("Class\\NetTrans\\0000"), "MaxMTU"));
    for (const char* binding :
        {"Class\\NetTrans\\0001", "Class\\NetTrans\\0002", "Class\\Net\\0000", "Class\\Net\\0001"})
        for (const char* name : {"MaxMTU", "MaxMSS", "IPMTU"})
            EXPECT_FALSE(Has(HKLM, Svc(binding), name)) << binding << " " << name;
    // Values named like the binding subkeys go; the subkeys stay.
    EXPECT_FALSE(Has(HKLM, kNetTrans, "0001"));
    EXPECT_FALSE(Has(HKLM, kNetTrans, "0002"));
    EXPECT_TRUE(sys.registry.KeyExists(HKLM, kNetTrans + "\\0001"));
    EXPECT_EQ(Byte(HKLM, Svc("Class\\Net\\0000"), "SLOWNET"), 1);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\VCACHE"), "Start"), 0);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\COMBUFF"), "Start"), 0);
    EXPECT_FALSE(Has(HKCU, kInternetSettings, "MaxConnectionsPerServer"));
    EXPECT_FALSE(Has(HKCU, kInternetSettings, "MaxConnectionsPer1_0Server"));
    EXPECT_EQ(WinIni(),
        "[Ports]\r\nCOM1:=9600,n,8,1,x\r\nCOM2:=9600,n,8,1,x\r\nCOM3:=9600,n,8,1,x\r\n"
        "COM4:=9600,n,8,1,x\r\nCOM5:=9600,n,8,1,x\r\n");
    ASSERT_EQ(sys.dialogs.shown.size(), 1u);
    EXPECT_EQ(sys.dialogs.shown[0].text,
        "Windows Default settings have been restored. Before using the new settings "
        "you must restart your computer. Do you wish to reboot now? ");
}

TEST_F(DefaultsTest, Windows95FormKeepsWhatOnlyWindows98Added)
{
    for (const auto version : {WindowsVersion::Windows95, WindowsVersion::Unknown}) {
        OptimizedWin9x();
        Restore(version);
        EXPECT_TRUE(Has(HKLM, kMstcp, "BSDUrgent"));
        EXPECT_TRUE(Has(HKLM, kMstcpParameters, "GlobalMaxTcpWindoSize"));
        EXPECT_TRUE(Has(HKLM, kMstcpParameters, "GlobalMaxTcpWindowSize"));
        EXPECT_TRUE(Has(HKLM, kMstcpParameters, "SackOpts"));
        EXPECT_FALSE(Has(HKLM, kMstcpParameters, "Tcp1323Opts"));
        EXPECT_EQ(Sz(HKLM, kMstcp, "DefaultTTL"), "32");
    }
}

TEST_F(DefaultsTest, NTFormWritesAndDeletes)
{
    MakeKey(HKLM, kTcpip);
    MakeKey(HKLM, Svc("Netbt\\Parameters"));
    PutDword(HKLM, kTcpip, "Tcp1323Opts", 1);
    PutDword(HKLM, kTcpip, "GlobalMaxTcpWindowSize", 5);
    PutDword(HKLM, kInterface, "MTU", 1500);
    PutDword(HKCU, kInternetSettings, "MaxConnectionsPerServer", 10);
    SetWinIni("[Ports]\r\nCOM1:=921600,n,8,1,p\r\n");
    panel.CheckBox6.SetChecked(false);
    Restore(WindowsVersion::WindowsXP);
    EXPECT_EQ(Dword(HKLM, kTcpip, "DefaultTTL"), 128u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "EnablePMTUDiscovery"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "EnablePMTUBHDetect"), 0u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "SackOpts"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpWindowSize"), 65535u);
    EXPECT_EQ(Dword(HKLM, kInterface, "TcpWindowSize"), 65535u);
    EXPECT_EQ(Dword(HKLM, Svc("Netbt\\Parameters"), "SessionKeepAlive"), 3600000u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpUseRFC1122UrgentPointer"), 0u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpMaxDupAcks"), 2u);
    EXPECT_FALSE(Has(HKLM, kTcpip, "Tcp1323Opts"));
    EXPECT_FALSE(Has(HKLM, kTcpip, "GlobalMaxTcpWindowSize"));
    EXPECT_FALSE(Has(HKLM, kInterface, "MTU"));
    EXPECT_EQ(Byte(HKLM, Svc("Class\\Net\\0000"), "SLOWNET"), 1);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\VCACHE"), "Start"), 1);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\COMBUFF"), "Start"), 1);
    EXPECT_FALSE(Has(HKCU, kInternetSettings, "MaxConnectionsPerServer"));
    EXPECT_FALSE(sys.registry.KeyExists(HKLM, Svc("VxD\\NWLink"))) << "no NDI values on NT";
    EXPECT_EQ(WinIni(), "[Ports]\r\nCOM1:=921600,n,8,1,p\r\n") << "COM ports unchecked: untouched";

    panel.CheckBox6.SetChecked(true);
    Restore(WindowsVersion::WindowsXP);
    EXPECT_NE(WinIni().find("COM5:=9600,n,8,1,x"), std::string::npos);
}

TEST_F(DefaultsTest, NTNeverOptimizedCreatesTheInterfaceKey)
{
    MakeKey(HKLM, kTcpip);
    MakeKey(HKLM, Svc("Netbt\\Parameters"));
    Restore(WindowsVersion::Windows2000);
    EXPECT_EQ(Dword(HKLM, kInterface, "TcpWindowSize"), 65535u);
    EXPECT_EQ(sys.dialogs.shown.size(), 1u) << "carried on to the restart question";
}

TEST_F(DefaultsTest, NTWithoutTheTcpipKeyFailsAtTheFirstStep)
{
    SetVersion(WindowsVersion::WindowsXP);
    EXPECT_EQ(Raised([&] { RestoreWindowsDefaults(sys.api, panel); }), "Failed to set data for 'DefaultTTL'");
    EXPECT_TRUE(sys.dialogs.shown.empty());
}

TEST_F(DefaultsTest, RestartFollowsTheForm)
{
    struct Case {
        WindowsVersion version;
        const char* shellFile;
        bool exits;
    };
    const Case cases[] = {{WindowsVersion::Unknown, "C:\\windows\\rundll.exe", false},
        {WindowsVersion::Windows95, "C:\\windows\\rundll.exe", false},
        {WindowsVersion::Windows98, "C:\\WINDOWS\\RUNDLL32.EXE", false},
        {WindowsVersion::WindowsME, "C:\\WINDOWS\\RUNDLL32.EXE", false}, {WindowsVersion::WindowsNT4, nullptr, true}};
    MakeKey(HKLM, kTcpip);
    MakeKey(HKLM, Svc("Netbt\\Parameters"));
    for (const auto& c : cases) {
        sys.shell.calls.clear();
        sys.shutdown.steps.clear();
        Restore(c.version, DialogResult::Yes);
        if (c.shellFile) {
            ASSERT_EQ(sys.shell.calls.size(), 1u);
            EXPECT_EQ(sys.shell.calls[0].file, c.shellFile);
        } else {
            EXPECT_TRUE(sys.shell.calls.empty());
        }
        EXPECT_EQ(!sys.shutdown.steps.empty(), c.exits);
    }
}

TEST_F(DefaultsTest, ReadAfterRestoreShowsTheDefaults)
{
    Restore(WindowsVersion::Windows98);
    panel.CheckBox3.SetChecked(true);
    panel.CheckBox8.SetChecked(true);
    ReadCurrentSettings(sys.api, panel);
    EXPECT_FALSE(panel.CheckBox3.Checked());
    EXPECT_FALSE(panel.CheckBox8.Checked());
    EXPECT_FALSE(panel.CheckBox9.Checked());
    EXPECT_EQ(panel.Edit1.Text(), "32");
    EXPECT_TRUE(panel.CheckBox5.Checked()) << "MaxDupAcks 3";

    MakeKey(HKLM, kTcpip);
    MakeKey(HKLM, Svc("Netbt\\Parameters"));
    Restore(WindowsVersion::WindowsXP);
    ReadCurrentSettings(sys.api, panel);
    EXPECT_FALSE(panel.CheckBox3.Checked());
    EXPECT_TRUE(panel.CheckBox8.Checked());
    EXPECT_TRUE(panel.CheckBox9.Checked());
    EXPECT_EQ(panel.Edit4.Text(), "65535");
    EXPECT_EQ(panel.Edit5.Text(), "3600");
}

} // namespace
} // namespace ventaro
