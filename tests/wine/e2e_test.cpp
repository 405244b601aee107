// End to end: the real Ventaro.exe under Wine, driven through its control
// IDs, with the registry and Win.ini checked afterwards. The rules of the
// panel and the registry engine are proven natively; these cases cover what
// only the real program can show.
#include "app/commands.h"
#include "app/panel_ids.h"
#include "driver.h"

#include <gtest/gtest.h>

namespace ventaro::e2e {
namespace {

const char* const kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char* const kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char* const kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

int Id(const char* name) { return PanelControlId(name); }

class EndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        SetWindowsVersion("winxp");
        SetFirstUseDone(true);
        DeleteTree(HKEY_LOCAL_MACHINE, kTcpip);
        DeleteTree(HKEY_LOCAL_MACHINE, kMstcp);
    }
};

TEST_F(EndToEnd, FirstStartShowsTheNoticeOnceBeforeTheMainWindow)
{
    SetFirstUseDone(false);
    {
        Ventaro app;
        HWND notice = app.WaitForWindow("TAboutBox1");
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(Ventaro::Caption(notice), "Ventaro 1.94");
        EXPECT_EQ(app.WaitForWindow("TVentaro", 0), nullptr) << "the main window shows after the notice";
        PostMessageA(notice, WM_COMMAND, IDOK, 0);
        ASSERT_NE(app.WaitForMainWindow(), nullptr);
        EXPECT_EQ(ReadString(HKEY_CURRENT_USER, "SOFTWARE\\Ventaro", "FirstUse"), "0");
    }
    Ventaro again;
    ASSERT_NE(again.WaitForMainWindow(), nullptr);
    EXPECT_EQ(again.WaitForWindow("TAboutBox1", 300), nullptr);
}

struct VersionCase {
    const char* wine;
    const char* name;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.wine; }

class StatusLine : public EndToEnd, public testing::WithParamInterface<VersionCase> {};

TEST_P(StatusLine, NamesTheRunningWindows)
{
    SetWindowsVersion(GetParam().wine);
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    EXPECT_EQ(app.StatusLine(), std::string(" Operating System: ") + GetParam().name);
    EXPECT_EQ(Ventaro::Caption(app.Main()), "Ventaro 1.94 (Win9x/ME/NT/XP)");
}

INSTANTIATE_TEST_SUITE_P(Wine, StatusLine,
    testing::Values(VersionCase{"win95", "Windows 95"}, VersionCase{"win98", "Windows 98 Second Edition"},
        VersionCase{"winme", "Windows Millennium"}, VersionCase{"nt40", "Windows NT 4.0"},
        VersionCase{"win2k", "Windows 2000"}, VersionCase{"winxp", "Windows XP"}, VersionCase{"win7", "Unknown"}));

TEST_F(EndToEnd, CablePresetAndF2WriteTheNTValues)
{
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.Click(Id("glCheckBox3"));
    EXPECT_EQ(app.Text(Id("Edit2")), "1500");
    EXPECT_FALSE(app.Enabled(Id("Edit2")));
    app.PressKey(VK_F2);
    HWND question = app.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(Ventaro::MessageText(question).rfind("Your CABLE / DSL connection has been Optimized.", 0), 0u);
    Ventaro::Answer(question, IDNO);

    SendMessageA(app.Main(), WM_NULL, 0, 0);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kTcpip, "DefaultTTL"), 64u);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kTcpip, "TcpWindowSize"), 256960u);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, std::string(kTcpip) + "\\Interfaces\\interface", "MTU"), 1500u);
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Netbt\\Parameters",
                  "SessionKeepAlive"),
        600000u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kInternetSettings, "MaxConnectionsPerServer"), 10u);
    const std::string winIni = ReadFile(WindowsFolder() + "\\win.ini");
    EXPECT_NE(winIni.find("COM5:=921600,n,8,1,p"), std::string::npos) << winIni;
    EXPECT_TRUE(app.Running());
}

TEST_F(EndToEnd, ModemPresetOnWindows98WritesTheWin9xValues)
{
    SetWindowsVersion("win98");
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.Click(Id("glCheckBox1"));
    app.PostCommand(IdOptimizeConnection1);
    HWND question = app.WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(Ventaro::MessageText(question).rfind("Your Modem (Dial-Up) connection", 0), 0u);
    Ventaro::Answer(question, IDNO);
    SendMessageA(app.Main(), WM_NULL, 0, 0);

    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kMstcp, "DefaultTTL"), "128");
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kMstcp, "DefaultRcvWindow"), 3216u);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "MaxMSS"),
        "536");
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, std::string(kMstcp) + "\\Parameters", "GlobalMaxTcpWindoSize"), 3216u);
}

TEST_F(EndToEnd, OptimizeWithoutAConnectionTypeWritesNothing)
{
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.PostCommand(IdToolButton5);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Ventaro::MessageText(box), "You must choose a connection type first.");
    Ventaro::Answer(box, IDOK);
    SendMessageA(app.Main(), WM_NULL, 0, 0);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTcpip));
}

TEST_F(EndToEnd, RegistryErrorShowsTheErrorBoxAndTheProgramGoesOn)
{
    DeleteTree(HKEY_CURRENT_USER, kInternetSettings);
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.Click(Id("glCheckBox5"));
    app.PressKey(VK_F2);
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Ventaro::Caption(box), "Ventaro 1.94");
    EXPECT_EQ(Ventaro::MessageText(box), "Failed to set data for 'MaxConnectionsPerServer'");
    Ventaro::Answer(box, IDOK);
    SendMessageA(app.Main(), WM_NULL, 0, 0);
    EXPECT_TRUE(app.Running());
    app.Click(Id("glCheckBox1"));
    EXPECT_EQ(app.Text(Id("Edit2")), "576");
    WriteString(HKEY_CURRENT_USER, kInternetSettings, "", "");
}

} // namespace
} // namespace ventaro::e2e
