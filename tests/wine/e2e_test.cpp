// End to end: the real Ventaro.exe under Wine, driven through its control
// IDs, with the registry and Win.ini checked afterwards. The rules of the
// panel and the registry engine are proven natively; these cases cover what
// only the real program can show.
#include "app/commands.h"
#include "app/panel_ids.h"
#include "driver.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

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

class StatusLine : public EndToEnd, public testing::WithParamInterface<VersionCase> { };

TEST_P(StatusLine, NamesTheRunningWindows)
{
    SetWindowsVersion(GetParam().wine);
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    EXPECT_EQ(app.StatusLine(), std::string(" Operating System: ") + GetParam().name);
    EXPECT_EQ(Ventaro::Caption(app.Main()), "Ventaro 1.94 (Win9x/ME/NT/XP)");
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_EQ(client.right, 592);
    EXPECT_EQ(client.bottom, 323);
    const LONG style = GetWindowLongA(app.Main(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0) << "neither maximised nor resized";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
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
    EXPECT_EQ(
        ReadDword(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Netbt\\Parameters", "SessionKeepAlive"),
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
    EXPECT_EQ(
        ReadString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "MaxMSS"), "536");
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, std::string(kMstcp) + "\\Parameters", "GlobalMaxTcpWindoSize"), 3216u);
}

TEST_F(EndToEnd, FunctionKeysReachTheirCommands)
{
    WriteString(HKEY_LOCAL_MACHINE, kTcpip, "Probe", "");
    WriteString(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services\\Netbt\\Parameters", "Probe", "");
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);

    DWORD ttl = 99;
    SHSetValueA(HKEY_LOCAL_MACHINE, kTcpip, "DefaultTTL", REG_DWORD, &ttl, sizeof ttl);
    app.PressKey(VK_F3);
    SendMessageA(app.Main(), WM_NULL, 0, 0);
    EXPECT_EQ(app.Text(Id("Edit1")), "99");

    const std::pair<WORD, const char*> boxes[] = {
        {VK_F4, "Windows Default settings have been restored."},
        {VK_F5, "Your current settings have been saved."},
        {VK_F6, "Your original settings have been restored."},
    };
    for (const auto& [key, text] : boxes) {
        app.PressKey(key);
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << key;
        EXPECT_EQ(Ventaro::MessageText(box).rfind(text, 0), 0u) << Ventaro::MessageText(box);
        Ventaro::Answer(box, key == VK_F4 ? IDNO : IDOK);
    }
    EXPECT_EQ(ReadDword(HKEY_LOCAL_MACHINE, kTcpip, "DefaultTTL"), 128u) << "F4 restored the defaults";
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

namespace ventaro::e2e {
namespace {

TEST_F(EndToEnd, HelpButtonFindsTheHelpFileBesideTheProgram)
{
    Ventaro app(WindowsFolder()); // started from another working folder
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.PostCommand(IdToolButton8);
    HWND viewer = WaitForAnyWindow("HH Parent", 15000);
    ASSERT_NE(viewer, nullptr) << "the help viewer did not start";
    DWORD viewerProcess = 0;
    GetWindowThreadProcessId(viewer, &viewerProcess);
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    // The viewer must not outlive the test: it would hold the test's output open.
    if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, viewerProcess)) {
        if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process, 0);
        CloseHandle(process);
    }
    EXPECT_TRUE(app.Running());
}

TEST_F(EndToEnd, ErrorDuringStartUpIsShownAndTheWindowStillOpens)
{
    DWORD one = 1;
    SHSetValueA(HKEY_CURRENT_USER, "SOFTWARE\\Ventaro", "FirstUse", REG_DWORD, &one, sizeof one);
    Ventaro app;
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Ventaro::Caption(box), "Ventaro 1.94");
    EXPECT_EQ(Ventaro::MessageText(box), "Invalid data type for 'FirstUse'");
    EXPECT_EQ(app.WaitForWindow("TVentaro", 0), nullptr) << "the box comes before the window";
    Ventaro::Answer(box, IDOK);
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    EXPECT_EQ(app.StatusLine(), "") << "the rest of the start-up did not run";
    SetFirstUseDone(true);
}

TEST_F(EndToEnd, TypingGoesThroughTheMtuKeyFilterToThePanel)
{
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.Click(Id("glCheckBox1"));   // modem: receive window x6 of MTU - 40
    app.Click(Id("RadioButton11")); // MTU Custom enables the field
    ASSERT_TRUE(app.Enabled(Id("Edit2")));
    HWND edit = app.Control(Id("Edit2"));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (const char key : std::string("1a500"))
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(key), 1);
    EXPECT_EQ(app.Text(Id("Edit2")), "1500") << "lower-case letters never reach the field";
    EXPECT_EQ(app.Text(Id("Edit4")), "8760") << "the receive window follows the MTU";
    EXPECT_TRUE(app.Checked(Id("RadioButton10")));
    EXPECT_TRUE(app.Checked(Id("RadioButton16")));
}

TEST_F(EndToEnd, AboutBoxOpensOverTheWindowAndCloses)
{
    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    for (const int command : {int{IdAbout1}, int{IdAboutVentaro1}}) {
        app.PostCommand(command);
        HWND about = app.WaitForWindow("TAboutBox");
        ASSERT_NE(about, nullptr) << command;
        EXPECT_EQ(Ventaro::Caption(about), "About Ventaro");
        RECT box{}, main{};
        GetWindowRect(about, &box);
        GetWindowRect(app.Main(), &main);
        EXPECT_NEAR((box.left + box.right) / 2, (main.left + main.right) / 2, 2);
        EXPECT_FALSE(IsWindowEnabled(app.Main())) << "modal";
        PostMessageA(about, command == IdAbout1 ? WM_COMMAND : WM_CLOSE, IDOK, 0);
        for (int i = 0; i < 100 && IsWindowVisible(about); ++i)
            Sleep(20);
        EXPECT_FALSE(IsWindowVisible(about));
        EXPECT_TRUE(IsWindowEnabled(app.Main()));
    }
}

TEST_F(EndToEnd, ExitCommandAndExitButtonEndTheProgram)
{
    for (const int command : {int{IdExit1}, int{IdToolButton10}}) {
        Ventaro app;
        ASSERT_NE(app.WaitForMainWindow(), nullptr);
        app.PostCommand(command);
        EXPECT_TRUE(app.WaitForExit()) << command;
    }
}

TEST_F(EndToEnd, BackupThenRestoreRoundTripsTheSystemFiles)
{
    const std::string windows = WindowsFolder();
    const std::string backup = ExecutableFolder() + "Backup";
    for (const char* name : {"\\Win.ini", "\\System.ini"}) {
        SetFileAttributesA((backup + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((backup + name).c_str());
    }
    const std::string winIni = "[mail]\r\nMAPI=1\r\n[Ports]\r\nCOM1:=9600,n,8,1,x\r\n";
    const std::string systemIni = "[boot]\r\nshell=Explorer.exe\r\n";
    WriteFile(windows + "\\Win.ini", winIni);
    WriteFile(windows + "\\System.ini", systemIni);

    Ventaro app;
    ASSERT_NE(app.WaitForMainWindow(), nullptr);
    app.PostCommand(IdBackup1);
    HWND saved = app.WaitForMessageBox();
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(Ventaro::MessageText(saved).rfind("Your current settings have been saved.", 0), 0u)
        << Ventaro::MessageText(saved);
    Ventaro::Answer(saved, IDOK);
    EXPECT_EQ(ReadFile(backup + "\\Win.ini"), winIni);
    EXPECT_EQ(ReadFile(backup + "\\System.ini"), systemIni);

    WriteFile(windows + "\\Win.ini", "[Ports]\r\nCOM1:=changed\r\n");
    WriteFile(windows + "\\System.ini", "changed\r\n");
    SetFileAttributesA((windows + "\\Win.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    app.PostCommand(IdRestoreyouroriginalconfiguration1);
    HWND restored = app.WaitForMessageBox();
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(Ventaro::MessageText(restored), "Your original settings have been restored.");
    Ventaro::Answer(restored, IDOK);
    EXPECT_EQ(ReadFile(windows + "\\Win.ini"), winIni);
    EXPECT_EQ(ReadFile(windows + "\\System.ini"), systemIni);
    EXPECT_EQ(GetFileAttributesA((windows + "\\Win.ini").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

} // namespace
} // namespace ventaro::e2e
