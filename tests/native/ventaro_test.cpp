#include "app/commands.h"
#include "app/ventaro.h"
#include "engine_fixture.h"

namespace ventaro {
namespace {

using namespace test;

// The real window's side of the start-up sequence and the commands.
class FakeView final : public MainWindowView {
public:
    void SetStatusLine(const std::string& text) override { status = text; }
    void ShowFirstUseNotice() override
    {
        ++notices;
        if (noticeFails)
            throw Error("The notice could not be shown");
    }
    void ApplyTheme() override { ++themes; }
    void ShowAboutBox() override { ++aboutBoxes; }
    void Close() override { ++closes; }
    void Terminate() override { ++terminates; }

    std::string status;
    int notices = 0, themes = 0, aboutBoxes = 0, closes = 0, terminates = 0;
    bool noticeFails = false;
};

class VentaroTest : public EngineFixture {
protected:
    std::string FirstUse() { return Sz(HKCU, "SOFTWARE\\Ventaro", "FirstUse"); }

    FakeView view;
    TVentaro app{sys.api, view};
};

struct FlagCase {
    const char* label;
    std::optional<std::string> stored; // nothing: no such value
    bool noticeShown;
    const char* after;
};

void PrintTo(const FlagCase& c, std::ostream* os) { *os << c.label; }

class FirstUseFlag : public VentaroTest, public testing::WithParamInterface<FlagCase> { };

TEST_P(FirstUseFlag, NoticeShowsOnlyWhenDue)
{
    const auto& c = GetParam();
    if (c.stored)
        PutSz(HKCU, "SOFTWARE\\Ventaro", "FirstUse", *c.stored);
    app.FormCreate();
    EXPECT_EQ(view.notices, c.noticeShown ? 1 : 0);
    EXPECT_EQ(FirstUse(), c.after);
    EXPECT_EQ(view.status, " Operating System: Windows XP");
}

INSTANTIATE_TEST_SUITE_P(Stored, FirstUseFlag,
    testing::Values(FlagCase{"Absent", std::nullopt, true, "0"}, FlagCase{"One", "1", true, "0"},
        FlagCase{"Zero", "0", false, "0"}, FlagCase{"Yes", "yes", false, "yes"},
        FlagCase{"LeadingZero", "01", false, "01"}, FlagCase{"LeadingBlank", " 1", false, " 1"},
        FlagCase{"Empty", "", false, ""}));

TEST_F(VentaroTest, FlagOfAnotherTypeStopsTheStartUp)
{
    PutDword(HKCU, "SOFTWARE\\Ventaro", "FirstUse", 1);
    EXPECT_EQ(Raised([&] { app.FormCreate(); }), "Invalid data type for 'FirstUse'");
    EXPECT_EQ(view.notices, 0);
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(view.themes, 0);
}

TEST_F(VentaroTest, FailingNoticeStillMarksItShown)
{
    view.noticeFails = true;
    EXPECT_EQ(Raised([&] { app.FormCreate(); }), "The notice could not be shown");
    EXPECT_EQ(FirstUse(), "0");
    EXPECT_EQ(view.status, "") << "the rest of the start-up does not run";
    EXPECT_EQ(panel.Edit1.Text(), "0");
}

TEST_F(VentaroTest, UnwritableFlagIsNotReported)
{
    sys.registry.Deny(HKCU, "SOFTWARE", platform::MemoryRegistry::Denial::Write);
    app.FormCreate();
    EXPECT_EQ(view.notices, 1);
    EXPECT_EQ(FirstUse(), "<missing>");
    EXPECT_EQ(view.themes, 1);
}

TEST_F(VentaroTest, StartUpFillsThePanelByTheRunningFamily)
{
    PutSz(HKLM, Svc("VxD\\MSTCP"), "DefaultTTL", "64");
    SetVersion(WindowsVersion::Windows98SE);
    app.FormCreate();
    EXPECT_EQ(view.status, " Operating System: Windows 98 Second Edition");
    EXPECT_EQ(app.Panel().Edit1.Text(), "64");
    EXPECT_TRUE(app.Panel().RadioButton6.Checked());
}

TEST_F(VentaroTest, HelpCommandsNameTheirFiles)
{
    sys.files.SetExecutablePath("C:\\Tools\\Ventaro\\Ventaro.exe");
    app.Contents1Click();
    app.ToolButton8Click();
    app.glLabel2Click();
    app.Check1Click();
    ASSERT_EQ(sys.shell.calls.size(), 4u);
    EXPECT_EQ(sys.shell.calls[0].file, "Ventaro.chm") << "the bare name: the working folder";
    EXPECT_EQ(sys.shell.calls[1].file, "C:\\Tools\\Ventaro\\Ventaro.chm");
    EXPECT_EQ(sys.shell.calls[2].file, kHomePage);
    EXPECT_EQ(sys.shell.calls[3].file, kDownloadPage);
    for (const auto& call : sys.shell.calls) {
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.show, platform::kSwShow);
    }
}

TEST_F(VentaroTest, EveryMenuAndToolCommandHasItsHandler)
{
    // Each command runs through the table as the window dispatches it.
    for (const int id : {int{IdExit1}, int{IdToolButton10}, int{IdAbout1}, int{IdAboutVentaro1}})
        (app.*CommandHandler(id))();
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(view.terminates, 1);
    EXPECT_EQ(view.aboutBoxes, 2);
    EXPECT_EQ(CommandHandler(IdOptimizeConnection1), CommandHandler(IdToolButton5));
    EXPECT_EQ(CommandHandler(12345), nullptr);
    for (const auto& menu : MainMenu())
        for (const auto& item : menu.items)
            EXPECT_EQ(item.name.empty(), item.handler == nullptr) << item.caption;
}

TEST_F(VentaroTest, ViewAndRestoreRunFromBothPlaces)
{
    PutDword(HKLM, Svc("Tcpip\\Parameters"), "DefaultTTL", 99);
    MakeKey(HKLM, Svc("Netbt\\Parameters"));
    (app.*CommandHandler(IdToolButton7))();
    EXPECT_EQ(app.Panel().Edit1.Text(), "99");
    (app.*CommandHandler(IdRestoreWindowsDefaults1))();
    (app.*CommandHandler(IdViewCurentSettings1))();
    EXPECT_EQ(app.Panel().Edit1.Text(), "128");
    PutDword(HKLM, Svc("Tcpip\\Parameters"), "DefaultTTL", 99);
    (app.*CommandHandler(IdToolButton6))();
    EXPECT_EQ(Dword(HKLM, Svc("Tcpip\\Parameters"), "DefaultTTL"), 128u);
}

} // namespace
} // namespace ventaro
