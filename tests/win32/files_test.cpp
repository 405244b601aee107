#include <windows.h>

#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace ventaro::platform {
namespace {

// The real file functions answer as the in-memory ones that the native tests use.
class Win32FilesTest : public testing::Test {
protected:
    Win32Files files;
    std::string root;

    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "ventaro-files-test";
        Clean();
        ASSERT_TRUE(files.CreateDirectory(root));
    }
    void TearDown() override { Clean(); }

    void Clean()
    {
        for (const char* name : {"\\a.txt", "\\b.txt", "\\sub\\c.txt"}) {
            SetFileAttributesA((root + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((root + name).c_str());
        }
        RemoveDirectoryA((root + "\\sub").c_str());
        RemoveDirectoryA(root.c_str());
    }

    void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

// Windows refuses to copy over a read-only file; Wine run as root does not, so
// only the reset and the copy after it are checked here.
TEST_F(Win32FilesTest, AResetTargetIsOverwritten)
{
    Write(root + "\\a.txt", "new");
    Write(root + "\\b.txt", "old");
    SetFileAttributesA((root + "\\b.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(files.SetAttributesNormal(root + "\\b.txt"));
    EXPECT_EQ(GetFileAttributesA((root + "\\b.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u);
    EXPECT_EQ(files.CopyFile(root + "\\a.txt", root + "\\b.txt", false), kErrorSuccess);
    EXPECT_EQ(Read(root + "\\b.txt"), "new");
}

TEST_F(Win32FilesTest, MissingSourceAndFolder)
{
    EXPECT_EQ(files.CopyFile(root + "\\none.txt", root + "\\b.txt", false), kErrorFileNotFound);
    Write(root + "\\a.txt", "x");
    EXPECT_EQ(files.CopyFile(root + "\\a.txt", root + "\\none\\b.txt", false), kErrorPathNotFound);
    EXPECT_FALSE(files.CreateDirectory(root + "\\none\\deeper"));
}

TEST_F(Win32FilesTest, ExistenceAndErrorText)
{
    Write(root + "\\a.txt", "x");
    EXPECT_TRUE(files.FileExists(root + "\\a.txt"));
    EXPECT_FALSE(files.DirectoryExists(root + "\\a.txt"));
    EXPECT_TRUE(files.DirectoryExists(root));
    EXPECT_FALSE(files.FileExists(root));
    const std::string text = files.ErrorText(kErrorAccessDenied);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
}

TEST_F(Win32FilesTest, ExecutablePathNamesThisProgram)
{
    const std::string path = files.ExecutablePath();
    EXPECT_TRUE(files.FileExists(path));
    EXPECT_NE(path.find("win32_tests.exe"), std::string::npos);
}

} // namespace
} // namespace ventaro::platform
