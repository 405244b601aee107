#include "system/restart.h"
#include "test_platform.h"

#include <gtest/gtest.h>

namespace ventaro {
namespace {

using platform::DialogResult;

struct VersionRecord {
    const char* label;
    std::uint32_t platformId, major, minor;
};

constexpr VersionRecord kUnknown{"Unknown (5.2)", 2, 5, 2};
constexpr VersionRecord kWin95{"Windows 95", 1, 4, 0};
constexpr VersionRecord kWin98{"Windows 98", 1, 4, 10};
constexpr VersionRecord kWinME{"Windows ME", 1, 4, 90};
constexpr VersionRecord kNT4{"NT 4.0", 2, 4, 0};
constexpr VersionRecord kWin2000{"Windows 2000", 2, 5, 0};
constexpr VersionRecord kWinXP{"Windows XP", 2, 5, 1};

struct PromptCase {
    VersionRecord version;
    const char* shellFile; // what the shell is asked to run, or null
    const char* shellParameters;
    const char* exitCall; // the ExitWindows step, or null
};

void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.version.label; }

class PromptRestartTest : public testing::TestWithParam<PromptCase> {
protected:
    test::TestPlatform sys;
};

TEST_P(PromptRestartTest, YesRestartsTheRunningVersionItsOwnWay)
{
    const auto& c = GetParam();
    sys.version.Set(c.version.platformId, c.version.major, c.version.minor);
    sys.dialogs.answers = {DialogResult::Yes};
    PromptRestart(sys.api, "extreme");

    ASSERT_EQ(sys.dialogs.shown.size(), 1u);
    EXPECT_EQ(sys.dialogs.shown[0].kind, platform::DialogKind::Confirmation);
    EXPECT_EQ(sys.dialogs.shown[0].text,
        "Your extreme connection has been Optimized. Before using the new settings you "
        "must restart your computer. Do you wish to reboot now? ");
    if (c.shellFile) {
        ASSERT_EQ(sys.shell.calls.size(), 1u);
        EXPECT_EQ(sys.shell.calls[0].verb, "open");
        EXPECT_EQ(sys.shell.calls[0].file, c.shellFile);
        EXPECT_EQ(sys.shell.calls[0].parameters, c.shellParameters);
        EXPECT_EQ(sys.shell.calls[0].directory, "");
        EXPECT_EQ(sys.shell.calls[0].show, platform::kSwShow);
    } else {
        EXPECT_TRUE(sys.shell.calls.empty());
    }
    if (c.exitCall) {
        ASSERT_FALSE(sys.shutdown.steps.empty());
        EXPECT_EQ(sys.shutdown.steps.back(), c.exitCall);
    } else {
        EXPECT_TRUE(sys.shutdown.steps.empty());
    }
}

TEST_P(PromptRestartTest, NoRestartsNothing)
{
    const auto& c = GetParam();
    sys.version.Set(c.version.platformId, c.version.major, c.version.minor);
    sys.dialogs.answers = {DialogResult::No};
    PromptRestart(sys.api, "ISDN");
    EXPECT_TRUE(sys.shell.calls.empty());
    EXPECT_TRUE(sys.shutdown.steps.empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, PromptRestartTest,
    testing::Values(PromptCase{kUnknown, nullptr, nullptr, nullptr},
        PromptCase{kWin95, "C:\\windows\\rundll.exe", "user.exe,exitwindowsexec", nullptr},
        PromptCase{kWin98, "C:\\WINDOWS\\RUNDLL32.EXE", "shell32,SHExitWindowsEx 2", nullptr},
        PromptCase{kWinME, "C:\\WINDOWS\\RUNDLL32.EXE", "shell32,SHExitWindowsEx 2", nullptr},
        // NT 4.0 knows no force-if-hung: a plain reboot.
        PromptCase{kNT4, nullptr, nullptr, "ExitWindows 2 0"},
        // Reboot and close only hung programs by force, so unsaved work is offered for saving.
        PromptCase{kWin2000, nullptr, nullptr, "ExitWindows 18 0"},
        PromptCase{kWinXP, nullptr, nullptr, "ExitWindows 18 0"}));

class ExitWindowsTest : public testing::Test {
protected:
    test::TestPlatform sys;
};

TEST_F(ExitWindowsTest, EnablesTheShutdownPrivilegeOnTheNTLine)
{
    EXPECT_TRUE(ExitWindowsWithPrivilege(sys.api, 2));
    const std::vector<std::string> expected = {"OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege",
        "AdjustTokenPrivileges 1 19 2", "CloseToken", "ExitWindows 2 0"};
    EXPECT_EQ(sys.shutdown.steps, expected);
}

TEST_F(ExitWindowsTest, FailedLookupSkipsTheAdjustmentButStillExits)
{
    sys.shutdown.lookupSucceeds = false;
    ExitWindowsWithPrivilege(sys.api, 2);
    const std::vector<std::string> expected
        = {"OpenProcessToken 40", "LookupPrivilegeValue SeShutdownPrivilege", "CloseToken", "ExitWindows 2 0"};
    EXPECT_EQ(sys.shutdown.steps, expected);
}

TEST_F(ExitWindowsTest, NoTokenStillExits)
{
    sys.shutdown.tokenOpens = false;
    ExitWindowsWithPrivilege(sys.api, 6);
    const std::vector<std::string> expected = {"OpenProcessToken 40", "ExitWindows 6 0"};
    EXPECT_EQ(sys.shutdown.steps, expected);
}

TEST_F(ExitWindowsTest, Win9xLineSkipsThePrivilegeStep)
{
    sys.version.Set(1, 4, 10);
    sys.shutdown.exitSucceeds = false;
    EXPECT_FALSE(ExitWindowsWithPrivilege(sys.api, 2));
    EXPECT_EQ(sys.shutdown.steps, std::vector<std::string>{"ExitWindows 2 0"});
}

TEST_F(ExitWindowsTest, RefusedExitFallsBackToTheShutdownCommandOnce)
{
    sys.shutdown.exitSucceeds = false;
    RestartWindowsNT(sys.api);
    ASSERT_EQ(sys.shell.calls.size(), 1u);
    EXPECT_EQ(sys.shell.calls[0].file, "SHUTDOWN");
    EXPECT_EQ(sys.shell.calls[0].parameters, "-r -t 01");
}

} // namespace
} // namespace ventaro
