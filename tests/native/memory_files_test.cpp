#include "platform/memory/memory_files.h"

#include <gtest/gtest.h>

namespace ventaro::platform {
namespace {

// The backup tests rely on these refusals being the system's.
struct CopyCase {
    const char* label;
    const char* from;
    const char* to;
    bool failIfExists;
    std::uint32_t expected;
};

void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.label; }

class MemoryCopyTest : public testing::TestWithParam<CopyCase> {
protected:
    MemoryFiles files;

    void SetUp() override
    {
        files.AddFile("C:\\src\\plain.txt", "new");
        files.AddFile("C:\\dst\\plain.txt", "old");
        files.AddFile("C:\\dst\\readonly.txt", "old", MemoryFiles::ReadOnly);
        files.AddFile("C:\\dst\\hidden.txt", "old", MemoryFiles::Hidden);
        files.AddFile("C:\\dst\\system.txt", "old", MemoryFiles::System);
        files.AddFolder("C:\\dst\\folder");
    }
};

TEST_P(MemoryCopyTest, AnswersAsTheSystemDoes)
{
    const auto& c = GetParam();
    const auto before = files.Get(c.to);
    EXPECT_EQ(files.CopyFile(c.from, c.to, c.failIfExists), c.expected);
    const auto after = files.Get(c.to);
    if (c.expected == kErrorSuccess) {
        ASSERT_TRUE(after);
        EXPECT_EQ(after->bytes, "new");
        EXPECT_EQ(files.Copies().size(), 1u);
    } else {
        EXPECT_EQ(after.has_value(), before.has_value());
        if (before) {
            EXPECT_EQ(after->bytes, before->bytes);
        }
        EXPECT_TRUE(files.Copies().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Copies, MemoryCopyTest,
    testing::Values(CopyCase{"NewFile", "C:\\src\\plain.txt", "C:\\dst\\new.txt", false, kErrorSuccess},
        CopyCase{"Overwrite", "C:\\src\\plain.txt", "C:\\dst\\plain.txt", false, kErrorSuccess},
        CopyCase{"OverwriteSystem", "C:\\src\\plain.txt", "C:\\dst\\system.txt", false, kErrorSuccess},
        CopyCase{"CaseAndSlashes", "c:/SRC/Plain.TXT", "C:\\DST\\\\Plain.txt", false, kErrorSuccess},
        CopyCase{"ReadOnly", "C:\\src\\plain.txt", "C:\\dst\\readonly.txt", false, kErrorAccessDenied},
        CopyCase{"Hidden", "C:\\src\\plain.txt", "C:\\dst\\hidden.txt", false, kErrorAccessDenied},
        CopyCase{"OntoFolder", "C:\\src\\plain.txt", "C:\\dst\\folder", false, kErrorAccessDenied},
        CopyCase{"FailIfExists", "C:\\src\\plain.txt", "C:\\dst\\plain.txt", true, kErrorFileExists},
        CopyCase{"NoSource", "C:\\src\\none.txt", "C:\\dst\\new.txt", false, kErrorFileNotFound},
        CopyCase{"NoSourceFolder", "C:\\none\\plain.txt", "C:\\dst\\new.txt", false, kErrorPathNotFound},
        CopyCase{"NoTargetFolder", "C:\\src\\plain.txt", "C:\\none\\new.txt", false, kErrorPathNotFound}));

TEST(MemoryFilesTest, ACopyTakesTheSourceAttributes)
{
    MemoryFiles files;
    files.AddFile("C:\\WINDOWS\\System.dat", "hive", MemoryFiles::ReadOnly | MemoryFiles::Hidden);
    files.AddFolder("C:\\Backup");
    ASSERT_EQ(files.CopyFile("C:\\WINDOWS\\System.dat", "C:\\Backup\\System.dat", false), kErrorSuccess);
    EXPECT_EQ(files.Get("C:\\Backup\\System.dat")->attributes, MemoryFiles::ReadOnly | MemoryFiles::Hidden);
    EXPECT_TRUE(files.SetAttributesNormal("C:\\Backup\\System.dat"));
    EXPECT_EQ(files.Get("C:\\Backup\\System.dat")->attributes, 0u);
    EXPECT_FALSE(files.SetAttributesNormal("C:\\Backup\\User.dat"));
}

TEST(MemoryFilesTest, CreatesOneLevelOnly)
{
    MemoryFiles files;
    files.AddFolder("C:\\Tools");
    EXPECT_FALSE(files.CreateDirectory("C:\\Tools\\A\\B"));
    EXPECT_TRUE(files.CreateDirectory("C:\\Tools\\A"));
    EXPECT_FALSE(files.CreateDirectory("c:\\tools\\a"));
    EXPECT_TRUE(files.DirectoryExists("C:\\TOOLS\\A\\"));
    EXPECT_FALSE(files.FileExists("C:\\Tools\\A"));
}

TEST(MemoryFilesTest, AForcedFailureLeavesBothFilesAlone)
{
    MemoryFiles files;
    files.AddFile("C:\\a\\x", "source");
    files.AddFile("C:\\b\\x", "target");
    files.FailCopies("c:\\A\\X", kErrorSharingViolation);
    EXPECT_EQ(files.CopyFile("C:\\a\\x", "C:\\b\\x", false), kErrorSharingViolation);
    EXPECT_EQ(files.Get("C:\\b\\x")->bytes, "target");
}

} // namespace
} // namespace ventaro::platform
