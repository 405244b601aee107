#include "engine_fixture.h"
#include "registry/applier.h"

namespace ventaro {
namespace {

using namespace test;
using platform::DialogResult;


class ApplierTest : public EngineFixture {
protected:
    void Optimize(WindowsVersion version, DialogResult answer = DialogResult::No)
    {
        SetVersion(version);
        sys.dialogs.answers = {answer};
        ventaro::Optimize(sys.api, panel);
    }
};

TEST_F(ApplierTest, NoConnectionTypeWritesNothing)
{
    sys.registry.ClearLog();
    Optimize(WindowsVersion::WindowsXP);
    ASSERT_EQ(sys.dialogs.shown.size(), 1u);
    EXPECT_EQ(sys.dialogs.shown[0].kind, platform::DialogKind::Information);
    EXPECT_EQ(sys.dialogs.shown[0].text, "You must choose a connection type first.");
    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(WinIni(), "");
}

TEST_F(ApplierTest, Win9xWriterWithTheModemPreset)
{
    panel.glCheckBox1.Click();
    Optimize(WindowsVersion::Windows98SE);
    EXPECT_EQ(Sz(HKLM, kMstcp, "DefaultTTL"), "128");
    EXPECT_EQ(Dword(HKLM, kMstcp, "PMTUDiscovery"), 1u);
    EXPECT_EQ(Dword(HKLM, kMstcp, "PMTUBlackHoleDetect"), 0u);
    EXPECT_EQ(Dword(HKLM, kMstcp, "DefaultRcvWindow"), 3216u);
    EXPECT_EQ(Dword(HKLM, kMstcp, "SessionKeepAlive"), 600u);
    EXPECT_EQ(Dword(HKLM, kMstcp, "BSDUrgent"), 1u);
    EXPECT_EQ(Dword(HKLM, kMstcpParameters, "MaxDupAcks"), 0u);
    EXPECT_EQ(Dword(HKLM, kMstcpParameters, "GlobalMaxTcpWindoSize"), 3216u);
    EXPECT_EQ(Dword(HKLM, kMstcpParameters, "GlobalMaxTcpWindowSize"), 3216u);
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\cachesize"), ""), "16");
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxconnect"), "max"), "128");
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxsockets"), "min"), "32");
    for (const char* binding : {"Class\\NetTrans\\0000", "Class\\NetTrans\\0001", "Class\\NetTrans\\0002",
             "Class\\Net\\0000", "Class\\Net\\0001"}) {
        EXPECT_EQ(Sz(HKLM, Svc(binding), "MaxMTU"), "576") << binding;
        EXPECT_EQ(Sz(HKLM, Svc(binding), "IPMTU"), "576") << binding;
        EXPECT_EQ(Sz(HKLM, Svc(binding), "MaxMSS"), "536") << binding;
    }
    EXPECT_EQ(Byte(HKLM, Svc("Class\\Net\\0000"), "SLOWNET"), 0) << "checked SlowNet stores 0";
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\COMBUFF"), "Start"), 1);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\VCACHE"), "Start"), 1);
    EXPECT_EQ(Dword(HKCU, kInternetSettings, "MaxConnectionsPerServer"), 4u);
    EXPECT_EQ(Dword(HKCU, kInternetSettings, "MaxConnectionsPer1_0Server"), 8u);
    EXPECT_EQ(WinIni(),
        "[Ports]\r\nCOM1:=921600,n,8,1,p\r\nCOM2:=921600,n,8,1,p\r\nCOM3:=921600,n,8,1,p\r\n"
        "COM4:=921600,n,8,1,p\r\nCOM5:=921600,n,8,1,p\r\n");
    EXPECT_EQ(panel.Edit2.Text(), "576") << "the panel is not changed";
}

TEST_F(ApplierTest, NTWriterWithTheExtremePreset)
{
    panel.glCheckBox5.Click();
    panel.CheckBox3.SetChecked(true);
    panel.CheckBox6.SetChecked(false);
    Optimize(WindowsVersion::WindowsXP);
    EXPECT_EQ(Dword(HKLM, kTcpip, "DefaultTTL"), 64u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "EnablePMTUDiscovery"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "Tcp1323Opts"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "SackOpts"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpWindowSize"), 432160u);
    EXPECT_EQ(Dword(HKLM, kInterface, "TcpWindowSize"), 432160u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "GlobalMaxTcpWindowSize"), 432160u);
    EXPECT_EQ(Dword(HKLM, Svc("Netbt\\Parameters"), "SessionKeepAlive"), 600000u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpUseRFC1122UrgentPointer"), 1u);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpMaxDupAcks"), 2u) << "checked stores 2, not 1";
    EXPECT_EQ(Dword(HKLM, kInterface, "MTU"), 1500u);
    EXPECT_EQ(Dword(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxsockets"), "max"), 1020u);
    EXPECT_EQ(Byte(HKLM, Svc("Class\\Net\\0000"), "SLOWNET"), 0);
    EXPECT_EQ(Byte(HKLM, Svc("VxD\\COMBUFF"), "Start"), 0);
    EXPECT_EQ(Dword(HKCU, kInternetSettings, "MaxConnectionsPer1_0Server"), 40u);
    EXPECT_FALSE(Has(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\cachesize"), "")) << "no cache size on NT";
    EXPECT_EQ(WinIni(), "") << "COM ports unchecked: Win.ini untouched";
}

TEST_F(ApplierTest, GlobalWindowSizesSkippedOnWindows95Only)
{
    const std::pair<WindowsVersion, bool> cases[] = {{WindowsVersion::Windows95, false},
        {WindowsVersion::Windows98, true}, {WindowsVersion::WindowsME, true}, {WindowsVersion::Unknown, true}};
    for (const auto& [version, written] : cases) {
        sys.registry.DeleteKeyTree(HKLM, "System");
        panel.glCheckBox3.Click();
        Optimize(version);
        EXPECT_EQ(Has(HKLM, kMstcpParameters, "GlobalMaxTcpWindoSize"), written);
        EXPECT_EQ(Has(HKLM, kMstcpParameters, "GlobalMaxTcpWindowSize"), written);
        EXPECT_TRUE(Has(HKLM, kMstcp, "DefaultRcvWindow")) << "Unknown gets the Win9x writer";
    }
}

TEST_F(ApplierTest, FieldTextsAndTheirConversions)
{
    panel.glCheckBox3.Click();
    panel.RadioButton4.Click(); // Custom Mode
    panel.Edit4.SetText("$FFFF");
    panel.Edit5.SetText("4294967");
    panel.Edit2.SetText("0");
    Optimize(WindowsVersion::WindowsXP);
    EXPECT_EQ(Dword(HKLM, kTcpip, "TcpWindowSize"), 65535u);
    EXPECT_EQ(Dword(HKLM, Svc("Netbt\\Parameters"), "SessionKeepAlive"), 4294967000u);
    Optimize(WindowsVersion::Windows98);
    EXPECT_EQ(Sz(HKLM, Svc("Class\\Net\\0001"), "MaxMSS"), "-40");
    panel.Edit2.SetText("1500");
    Optimize(WindowsVersion::Windows98);
    EXPECT_EQ(Sz(HKLM, Svc("Class\\NetTrans\\0002"), "MaxMSS"), "1460");
}

TEST_F(ApplierTest, UncheckedNdiOptionsLeaveTheirValues)
{
    PutSz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxconnect"), "max", "99");
    panel.glCheckBox3.Click();
    panel.glCheckBox8.SetChecked(false);
    Optimize(WindowsVersion::Windows98);
    EXPECT_EQ(Sz(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\maxconnect"), "max"), "99");
}

// A field that does not convert stops Optimize before anything is written.
struct BadField {
    WindowsVersion version;
    const char* field;
};

void PrintTo(const BadField& c, std::ostream* os) { *os << static_cast<int>(c.version) << "/" << c.field; }

class ApplierBadField : public ApplierTest, public testing::WithParamInterface<BadField> { };

TEST_P(ApplierBadField, RefusedBeforeAnyWrite)
{
    const auto& c = GetParam();
    panel.glCheckBox3.Click();
    form.Find<controls::TEdit>(c.field)->SetText("1.5");
    sys.registry.ClearLog();
    SetVersion(c.version);
    EXPECT_EQ(Raised([&] { ventaro::Optimize(sys.api, panel); }), "'1.5' is not a valid integer value");
    EXPECT_EQ(Writes(), 0u);
    EXPECT_TRUE(sys.dialogs.shown.empty()) << "no restart question";
    EXPECT_EQ(WinIni(), "");
}

INSTANTIATE_TEST_SUITE_P(Fields, ApplierBadField,
    testing::Values(BadField{WindowsVersion::Windows98, "Edit1"}, BadField{WindowsVersion::Windows98, "Edit2"},
        BadField{WindowsVersion::Windows98, "Edit3"}, BadField{WindowsVersion::Windows98, "Edit4"},
        BadField{WindowsVersion::Windows98, "Edit5"}, BadField{WindowsVersion::Windows98, "Edit6"},
        BadField{WindowsVersion::Windows98, "Edit7"}, BadField{WindowsVersion::WindowsXP, "Edit1"},
        BadField{WindowsVersion::WindowsXP, "Edit2"}, BadField{WindowsVersion::WindowsXP, "Edit4"},
        BadField{WindowsVersion::WindowsXP, "Edit5"}, BadField{WindowsVersion::WindowsXP, "Edit6"},
        BadField{WindowsVersion::WindowsXP, "Edit7"}));

TEST_F(ApplierTest, FirstBadFieldInTheWritersOrderDecides)
{
    panel.glCheckBox3.Click();
    panel.Edit7.SetText("x7");
    panel.Edit5.SetText("");
    SetVersion(WindowsVersion::WindowsXP);
    EXPECT_EQ(Raised([&] { ventaro::Optimize(sys.api, panel); }), "'' is not a valid integer value");
    panel.Edit3.SetText("abc"); // not used on NT
    panel.Edit5.SetText("600");
    EXPECT_EQ(Raised([&] { ventaro::Optimize(sys.api, panel); }), "'x7' is not a valid integer value");
}

TEST_F(ApplierTest, NTNeedsNoWholeNumberInTheCacheSize)
{
    panel.glCheckBox3.Click();
    panel.Edit3.SetText("abc");
    Optimize(WindowsVersion::WindowsXP);
    EXPECT_EQ(Dword(HKLM, kTcpip, "DefaultTTL"), 64u);
}

TEST_F(ApplierTest, MissingInternetSettingsKeyEndsTheWriter)
{
    sys.registry.DeleteKeyTree(HKCU, kInternetSettings);
    panel.glCheckBox3.Click();
    SetVersion(WindowsVersion::WindowsXP);
    EXPECT_EQ(Raised([&] { ventaro::Optimize(sys.api, panel); }), "Failed to set data for 'MaxConnectionsPerServer'");
    EXPECT_TRUE(Has(HKLM, Svc("VxD\\COMBUFF"), "Start")) << "what came before stays written";
    EXPECT_FALSE(sys.registry.KeyExists(HKCU, kInternetSettings));
    EXPECT_EQ(WinIni(), "");
    EXPECT_TRUE(sys.dialogs.shown.empty());
}

TEST_F(ApplierTest, NoRightsOnNTFailsBeforeAnyValue)
{
    sys.registry.Deny(HKLM, "System", platform::MemoryRegistry::Denial::Write);
    panel.glCheckBox3.Click();
    SetVersion(WindowsVersion::Windows2000);
    EXPECT_EQ(Raised([&] { ventaro::Optimize(sys.api, panel); }),
        "Failed to create key SYSTEM\\CurrentControlSet\\Services\\Tcpip");
}

struct RestartCase {
    WindowsVersion version;
    std::size_t shellCalls;
    std::size_t exitCalls;
};

TEST_F(ApplierTest, YesRestartsByVersionAndUnknownNotAtAll)
{
    const RestartCase cases[] = {{WindowsVersion::Unknown, 0, 0}, {WindowsVersion::Windows95, 1, 0},
        {WindowsVersion::Windows98SE, 1, 0}, {WindowsVersion::WindowsNT4, 0, 1}, {WindowsVersion::WindowsXP, 0, 1}};
    for (const auto& c : cases) {
        sys.shell.calls.clear();
        sys.shutdown.steps.clear();
        panel.glCheckBox4.Click();
        Optimize(c.version, DialogResult::Yes);
        EXPECT_EQ(sys.dialogs.shown.back().text.rfind("Your DSL (PPPoE) connection has been Optimized.", 0), 0u);
        EXPECT_EQ(sys.shell.calls.size(), c.shellCalls) << static_cast<int>(c.version);
        EXPECT_EQ(sys.shutdown.steps.empty() ? 0u : 1u, c.exitCalls) << static_cast<int>(c.version);
    }
}

} // namespace
} // namespace ventaro
