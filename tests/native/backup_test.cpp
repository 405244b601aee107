#include "backup/system_files.h"
#include "platform/memory/memory_files.h"
#include "platform/memory/memory_profile.h"
#include "registry/error.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ventaro::backup {
namespace {

using platform::DialogKind;
using platform::MemoryFiles;

constexpr const char* kWindows = "C:\\WINDOWS";
constexpr const char* kBackup = "C:\\Tools\\Backup";
constexpr std::uint32_t kReadOnlyHiddenSystem = MemoryFiles::ReadOnly | MemoryFiles::Hidden | MemoryFiles::System;

class RecordingDialogs final : public platform::DialogsApi {
public:
    std::vector<std::pair<DialogKind, std::string>> shown;

    platform::DialogResult Show(DialogKind kind, const std::string& text) override
    {
        shown.emplace_back(kind, text);
        return platform::DialogResult::Ok;
    }
};

std::string At(const char* folder, std::string_view name) { return std::string(folder) + "\\" + std::string(name); }

class BackupTest : public testing::Test {
protected:
    MemoryFiles files;
    platform::MemoryProfile profile{kWindows};
    RecordingDialogs dialogs;

    void SetUp() override
    {
        files.SetExecutablePath("C:\\Tools\\Ventaro.exe");
        files.AddFile("C:\\Tools\\Ventaro.exe", "MZ");
        files.AddFolder(kWindows);
    }

    // The Windows folder of a Win9x machine; each file's bytes name their origin.
    void InstallWin9xFiles()
    {
        files.AddFile(At(kWindows, "System.dat"), "windows system.dat", kReadOnlyHiddenSystem);
        files.AddFile(At(kWindows, "User.dat"), "windows user.dat", kReadOnlyHiddenSystem);
        files.AddFile(At(kWindows, "System.ini"), "windows system.ini");
        files.AddFile(At(kWindows, "Win.ini"), "windows win.ini");
    }

    void InstallBackup()
    {
        for (const auto& file : kSystemFiles)
            files.AddFile(At(kBackup, file.Name()), "backup " + std::string(file.Name()));
    }

    std::string Bytes(const char* folder, std::string_view name) const
    {
        const auto file = files.Get(At(folder, name));
        return file ? file->bytes : "<missing>";
    }

    // The one message the command showed; fails the test unless it was plain.
    std::string Message() const
    {
        EXPECT_EQ(dialogs.shown.size(), 1u);
        if (dialogs.shown.empty())
            return {};
        EXPECT_EQ(dialogs.shown.front().first, DialogKind::Plain);
        return dialogs.shown.front().second;
    }
};

TEST_F(BackupTest, FirstBackupCreatesTheFolderAndCopiesInOrder)
{
    InstallWin9xFiles();
    ASSERT_FALSE(files.DirectoryExists(kBackup));

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_TRUE(files.DirectoryExists(kBackup));
    const std::vector<std::pair<std::string, std::string>> expected{
        {"C:\\WINDOWS\\System.dat", "C:\\Tools\\Backup\\System.dat"},
        {"C:\\WINDOWS\\User.dat", "C:\\Tools\\Backup\\User.dat"},
        {"C:\\WINDOWS\\System.ini", "C:\\Tools\\Backup\\System.ini"},
        {"C:\\WINDOWS\\Win.ini", "C:\\Tools\\Backup\\Win.ini"},
    };
    EXPECT_EQ(files.Copies(), expected);
    EXPECT_EQ(Bytes(kBackup, "User.dat"), "windows user.dat");
    EXPECT_EQ(Message(), "Your current settings have been saved.");
}

TEST_F(BackupTest, RestoreCopiesBackInTheSameOrder)
{
    InstallWin9xFiles();
    InstallBackup();

    RestoreSystemFiles(files, profile, dialogs);

    const std::vector<std::pair<std::string, std::string>> expected{
        {"C:\\Tools\\Backup\\System.dat", "C:\\WINDOWS\\System.dat"},
        {"C:\\Tools\\Backup\\User.dat", "C:\\WINDOWS\\User.dat"},
        {"C:\\Tools\\Backup\\System.ini", "C:\\WINDOWS\\System.ini"},
        {"C:\\Tools\\Backup\\Win.ini", "C:\\WINDOWS\\Win.ini"},
    };
    EXPECT_EQ(files.Copies(), expected);
    EXPECT_EQ(Bytes(kWindows, "System.dat"), "backup System.dat");
    EXPECT_EQ(Message(), "Your original settings have been restored.");
}

// Which attributes an earlier copy carries; each alone would make the system refuse or survive.
struct AttributeCase {
    const char* label;
    std::uint32_t attributes;
};

void PrintTo(const AttributeCase& c, std::ostream* os) { *os << c.label; }

const auto kAttributeCases
    = testing::Values(AttributeCase{"ReadOnly", MemoryFiles::ReadOnly}, AttributeCase{"Hidden", MemoryFiles::Hidden},
        AttributeCase{"System", MemoryFiles::System}, AttributeCase{"All", kReadOnlyHiddenSystem});

class OverwriteTest : public BackupTest, public testing::WithParamInterface<AttributeCase> { };

TEST_P(OverwriteTest, BackupResetsAndOverwritesAnEarlierCopy)
{
    InstallWin9xFiles();
    files.SetAttributes(At(kWindows, "System.dat"), 0);
    files.AddFile(At(kBackup, "System.dat"), "older copy", GetParam().attributes);

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    const auto copy = files.Get(At(kBackup, "System.dat"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->bytes, "windows system.dat");
    EXPECT_EQ(copy->attributes, 0u);
    EXPECT_EQ(Message(), "Your current settings have been saved.");
}

TEST_P(OverwriteTest, RestoreResetsAndOverwritesWinIni)
{
    InstallWin9xFiles();
    InstallBackup();
    files.SetAttributes(At(kWindows, "Win.ini"), GetParam().attributes);

    RestoreSystemFiles(files, profile, dialogs);

    EXPECT_EQ(Bytes(kWindows, "Win.ini"), "backup Win.ini");
    EXPECT_EQ(Message(), "Your original settings have been restored.");
}

INSTANTIATE_TEST_SUITE_P(Attributes, OverwriteTest, kAttributeCases);

TEST_F(BackupTest, SecondBackupOverwritesTheHiveCopiesOfTheFirst)
{
    // The first backup's hive copies keep the hives' read-only, hidden and system.
    InstallWin9xFiles();
    BackupSystemFiles(files, profile, dialogs, Family::Win9x);
    ASSERT_EQ(files.Get(At(kBackup, "System.dat"))->attributes, kReadOnlyHiddenSystem);
    files.AddFile(At(kWindows, "System.dat"), "changed system.dat", kReadOnlyHiddenSystem);
    dialogs.shown.clear();

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_EQ(Bytes(kBackup, "System.dat"), "changed system.dat");
    EXPECT_EQ(Message(), "Your current settings have been saved.");
}

TEST_F(BackupTest, RestoreWithoutABackupFolderChangesNothing)
{
    InstallWin9xFiles();

    RestoreSystemFiles(files, profile, dialogs);

    EXPECT_TRUE(files.Copies().empty());
    EXPECT_FALSE(files.DirectoryExists(kBackup));
    EXPECT_EQ(Bytes(kWindows, "Win.ini"), "windows win.ini");
    EXPECT_EQ(Message(), "There is no backup to restore in C:\\Tools\\Backup.");
}

TEST_F(BackupTest, RestoreFromAnEmptyBackupFolderChangesNothing)
{
    InstallWin9xFiles();
    files.AddFolder(kBackup);

    RestoreSystemFiles(files, profile, dialogs);

    EXPECT_TRUE(files.Copies().empty());
    EXPECT_EQ(Message(), "There is no backup to restore in C:\\Tools\\Backup.");
}

TEST_F(BackupTest, RestoreOfAnNTBackupCopiesTheTwoIniFiles)
{
    InstallWin9xFiles();
    files.AddFile(At(kBackup, "System.ini"), "backup System.ini");
    files.AddFile(At(kBackup, "Win.ini"), "backup Win.ini");

    RestoreSystemFiles(files, profile, dialogs);

    EXPECT_EQ(files.Copies().size(), 2u);
    EXPECT_EQ(Bytes(kWindows, "System.dat"), "windows system.dat");
    EXPECT_EQ(Bytes(kWindows, "Win.ini"), "backup Win.ini");
    EXPECT_EQ(Message(), "Your original settings have been restored.");
}

// An NT Windows folder: the two INI files, no hives.
class NTBackupTest : public BackupTest {
protected:
    void SetUp() override
    {
        BackupTest::SetUp();
        files.AddFile(At(kWindows, "system.ini"), "nt system.ini");
        files.AddFile(At(kWindows, "win.ini"), "nt win.ini");
    }
};

TEST_F(NTBackupTest, SavesTheIniFilesAndSaysTheHivesAreNotThere)
{
    BackupSystemFiles(files, profile, dialogs, Family::NT);

    EXPECT_EQ(files.Copies().size(), 2u);
    EXPECT_EQ(Bytes(kBackup, "Win.ini"), "nt win.ini");
    EXPECT_FALSE(files.FileExists(At(kBackup, "System.dat")));
    EXPECT_EQ(Message(),
        "Your current settings have been saved.\n\n"
        "On this version of Windows, System.dat and User.dat do not exist in C:\\WINDOWS.");
}

TEST_F(NTBackupTest, LeavesOlderHiveCopiesAlone)
{
    files.AddFile(At(kBackup, "User.dat"), "older user.dat", kReadOnlyHiddenSystem);

    BackupSystemFiles(files, profile, dialogs, Family::NT);

    const auto copy = files.Get(At(kBackup, "User.dat"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->bytes, "older user.dat");
    EXPECT_EQ(copy->attributes, kReadOnlyHiddenSystem);
}

TEST_F(NTBackupTest, NamesOnlyTheHiveThatIsMissing)
{
    files.AddFile(At(kWindows, "System.dat"), "left over system.dat");

    BackupSystemFiles(files, profile, dialogs, Family::NT);

    EXPECT_EQ(Bytes(kBackup, "System.dat"), "left over system.dat");
    EXPECT_EQ(Message(),
        "Your current settings have been saved.\n\n"
        "On this version of Windows, User.dat does not exist in C:\\WINDOWS.");
}

TEST_F(NTBackupTest, AFailureIsListedBeforeTheHiveNote)
{
    files.FailCopies(At(kWindows, "Win.ini"), platform::kErrorSharingViolation);

    BackupSystemFiles(files, profile, dialogs, Family::NT);

    EXPECT_EQ(Message(),
        "These files could not be saved to C:\\Tools\\Backup:\n\n"
        "Win.ini: The process cannot access the file because it is being used by another process.\n\n"
        "On this version of Windows, System.dat and User.dat do not exist in C:\\WINDOWS.");
}

// A copy that the system refuses, and how the message names the reason.
struct FailureCase {
    const char* label;
    std::uint32_t error;
    const char* reason;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.label; }

class CopyFailureTest : public BackupTest, public testing::WithParamInterface<FailureCase> {
protected:
    void SetUp() override
    {
        BackupTest::SetUp();
        files.SetErrorText(1117, "The request could not be performed because of an I/O device error.");
    }
};

TEST_P(CopyFailureTest, BackupNamesTheFileAndGoesOnWithTheRest)
{
    InstallWin9xFiles();
    files.FailCopies(At(kWindows, "User.dat"), GetParam().error);

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_EQ(Message(),
        std::string("These files could not be saved to C:\\Tools\\Backup:\n\nUser.dat: ") + GetParam().reason);
    EXPECT_FALSE(files.FileExists(At(kBackup, "User.dat")));
    EXPECT_EQ(Bytes(kBackup, "Win.ini"), "windows win.ini");
}

TEST_P(CopyFailureTest, RestoreNamesTheFileAndGoesOnWithTheRest)
{
    InstallWin9xFiles();
    InstallBackup();
    files.FailCopies(At(kWindows, "System.ini"), GetParam().error);

    RestoreSystemFiles(files, profile, dialogs);

    EXPECT_EQ(Message(),
        std::string("These files could not be restored to C:\\WINDOWS:\n\nSystem.ini: ") + GetParam().reason);
    EXPECT_EQ(Bytes(kWindows, "System.ini"), "windows system.ini");
    EXPECT_EQ(Bytes(kWindows, "Win.ini"), "backup Win.ini");
}

INSTANTIATE_TEST_SUITE_P(Errors, CopyFailureTest,
    testing::Values(FailureCase{"FileNotFound", platform::kErrorFileNotFound, "not found"},
        FailureCase{"PathNotFound", platform::kErrorPathNotFound, "not found"},
        FailureCase{"AccessDenied", platform::kErrorAccessDenied, "access denied"},
        FailureCase{"SharingViolation", platform::kErrorSharingViolation,
            "The process cannot access the file because it is being used by another process."},
        FailureCase{"DeviceError", 1117, "The request could not be performed because of an I/O device error."},
        FailureCase{"NoSystemText", 4390, "error 4390"}));

TEST_F(BackupTest, EveryFailedFileIsNamedInOrder)
{
    InstallWin9xFiles();
    files.FailCopies(At(kWindows, "System.dat"), platform::kErrorSharingViolation);
    files.FailCopies(At(kBackup, "Win.ini"), platform::kErrorAccessDenied);

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_EQ(Message(),
        "These files could not be saved to C:\\Tools\\Backup:\n\n"
        "System.dat: The process cannot access the file because it is being used by another process.\n"
        "Win.ini: access denied");
}

TEST_F(BackupTest, ABackupFolderThatCannotBeCreatedIsAnError)
{
    InstallWin9xFiles();
    files.AddFile("C:\\Tools\\Backup", "a file in the way");

    EXPECT_THROW(
        {
            try {
                BackupSystemFiles(files, profile, dialogs, Family::Win9x);
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "The backup folder C:\\Tools\\Backup could not be created");
                throw;
            }
        },
        Error);
    EXPECT_TRUE(files.Copies().empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BackupTest, AnExistingFolderIsFoundWhateverItsCase)
{
    InstallWin9xFiles();
    files.AddFolder("c:\\tools\\BACKUP");
    files.SetExecutablePath("c:\\TOOLS\\ventaro.EXE");

    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_EQ(Bytes(kBackup, "Win.ini"), "windows win.ini");
    EXPECT_EQ(Message(), "Your current settings have been saved.");
}

TEST_F(BackupTest, ABackupWithNothingToSaveSaysSo)
{
    BackupSystemFiles(files, profile, dialogs, Family::Win9x);

    EXPECT_TRUE(files.Copies().empty());
    EXPECT_EQ(Message(), "There is nothing to save: none of the system files was found in C:\\WINDOWS.");
}

struct FolderCase {
    const char* executable;
    const char* folder;
};

class BackupFolderTest : public testing::TestWithParam<FolderCase> { };

TEST_P(BackupFolderTest, SitsBesideTheExecutable)
{
    MemoryFiles files;
    files.SetExecutablePath(GetParam().executable);
    EXPECT_EQ(BackupFolder(files), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, BackupFolderTest,
    testing::Values(FolderCase{"C:\\Tools\\Ventaro.exe", "C:\\Tools\\Backup"},
        FolderCase{"C:\\Ventaro.exe", "C:\\Backup"},
        FolderCase{"D:\\Program Files\\Ventaro 1.94\\VENTARO.EXE", "D:\\Program Files\\Ventaro 1.94\\Backup"},
        FolderCase{"\\\\server\\tools\\Ventaro.exe", "\\\\server\\tools\\Backup"}));

} // namespace
} // namespace ventaro::backup
