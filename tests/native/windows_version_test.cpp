#include "platform/memory/memory_version.h"
#include "system/windows_version.h"

#include <gtest/gtest.h>

namespace ventaro {
namespace {

struct VersionCase {
    const char* label;
    std::uint32_t platformId;
    std::uint32_t major;
    std::uint32_t minor;
    const char* csd;
    WindowsVersion expected;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.label; }

class ClassifyTest : public testing::TestWithParam<VersionCase> { };

TEST_P(ClassifyTest, ClassifiesTheReportedVersion)
{
    const auto& c = GetParam();
    platform::MemoryVersion api;
    api.Set(c.platformId, c.major, c.minor, c.csd);
    EXPECT_EQ(ClassifyWindowsVersion(api), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, ClassifyTest,
    testing::Values(VersionCase{"Win95", 1, 4, 0, "", WindowsVersion::Windows95},
        VersionCase{"Win95Osr2", 1, 4, 0, " B", WindowsVersion::Windows95},
        VersionCase{"Win98", 1, 4, 10, "", WindowsVersion::Windows98},
        VersionCase{"Win98SE", 1, 4, 10, " A ", WindowsVersion::Windows98SE},
        VersionCase{"Win98LeadingA", 1, 4, 10, "A", WindowsVersion::Windows98},
        VersionCase{"Win98LowerA", 1, 4, 10, " a ", WindowsVersion::Windows98},
        VersionCase{"WinME", 1, 4, 90, "", WindowsVersion::WindowsME},
        VersionCase{"Win9xOther", 1, 4, 3, "", WindowsVersion::Unknown},
        VersionCase{"Win9xMajor5", 1, 5, 0, "", WindowsVersion::Unknown},
        VersionCase{"NT351", 2, 3, 51, "", WindowsVersion::WindowsNT4},
        VersionCase{"NT4", 2, 4, 0, "Service Pack 6a", WindowsVersion::WindowsNT4},
        VersionCase{"Win2000", 2, 5, 0, "Service Pack 4", WindowsVersion::Windows2000},
        VersionCase{"WinXP", 2, 5, 1, "Service Pack 3", WindowsVersion::WindowsXP},
        VersionCase{"Server2003", 2, 5, 2, "", WindowsVersion::Unknown},
        VersionCase{"Win7", 2, 6, 1, "", WindowsVersion::Unknown},
        VersionCase{"Win32s", 0, 3, 10, "", WindowsVersion::Unknown},
        VersionCase{"CE", 3, 4, 0, "", WindowsVersion::Unknown}));

TEST(ClassifyTest, FailingQueryIsUnknown)
{
    platform::MemoryVersion api;
    api.Set(2, 5, 1);
    api.Fail();
    EXPECT_EQ(ClassifyWindowsVersion(api), WindowsVersion::Unknown);
}

TEST(ClassifyTest, AsksTheSystemOnEveryCall)
{
    platform::MemoryVersion api;
    api.Set(1, 4, 0);
    EXPECT_EQ(ClassifyWindowsVersion(api), WindowsVersion::Windows95);
    api.Set(2, 5, 0);
    EXPECT_EQ(ClassifyWindowsVersion(api), WindowsVersion::Windows2000);
}

TEST(VersionDispatchTest, UnknownGoesWithWin9xButOptimizeRestartsNothing)
{
    const auto& unknown = Dispatch(WindowsVersion::Unknown);
    EXPECT_EQ(unknown.family, Family::Win9x);
    EXPECT_EQ(unknown.restoreForm, RestoreForm::Win95);
    EXPECT_EQ(unknown.restartAfterRestore, RestartMethod::Windows95);
    EXPECT_EQ(unknown.restartAfterOptimize, RestartMethod::None);
    EXPECT_TRUE(unknown.writesGlobalReceiveWindows);
    EXPECT_EQ(WindowsVersionName(WindowsVersion::Unknown), "Unknown");
}

TEST(VersionDispatchTest, FamiliesSplitBetweenMillenniumAndNT4)
{
    for (int v = -1; v <= 6; ++v) {
        const auto version = static_cast<WindowsVersion>(v);
        EXPECT_EQ(Dispatch(version).family, v <= 3 ? Family::Win9x : Family::NT) << v;
        EXPECT_EQ(Dispatch(version).restoreForm == RestoreForm::NT, v >= 4) << v;
    }
    EXPECT_FALSE(Dispatch(WindowsVersion::Windows95).writesGlobalReceiveWindows);
    EXPECT_EQ(Dispatch(WindowsVersion::Windows98SE).restoreForm, RestoreForm::Win98);
    EXPECT_EQ(WindowsVersionName(WindowsVersion::Windows98SE), "Windows 98 Second Edition");
}

} // namespace
} // namespace ventaro
