#pragma once

#include "platform/dialogs_api.h"
#include "platform/files_api.h"
#include "platform/profile_api.h"
#include "system/windows_version.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ventaro::backup {

// One file of the set: its name with the leading separator, as it is appended
// to either folder.
struct SystemFile {
    std::string_view suffix;
    // The Win9x registry hives; the NT family keeps its registry elsewhere.
    bool registryHive;

    std::string_view Name() const { return suffix.substr(1); }
};

// Always copied in this order, in both directions.
inline constexpr std::array<SystemFile, 4> kSystemFiles{{
    {"\\System.dat", true},
    {"\\User.dat", true},
    {"\\System.ini", false},
    {"\\Win.ini", false},
}};

inline constexpr std::string_view kBackupFolderName = "Backup";
inline constexpr std::string_view kBackupDoneMessage = "Your current settings have been saved.";
inline constexpr std::string_view kRestoreDoneMessage = "Your original settings have been restored.";

enum class CopyOutcome {
    Copied,
    Absent, // not in the source folder, so not attempted
    Failed,
};

struct FileResult {
    const SystemFile* file;
    CopyOutcome outcome;
    std::uint32_t error = platform::kErrorSuccess; // when Failed
};

// What one backup or restore did, file by file in the set's order.
struct CopyReport {
    std::string from;
    std::string to;
    std::vector<FileResult> files;

    bool AllPresentCopied() const;
    bool NothingPresent() const;
};

// The folder "Backup" beside the executable: C:\Tools\Ventaro.exe gives
// C:\Tools\Backup.
std::string BackupFolder(platform::FilesApi& files);

// Copies the set from the Windows folder into the backup folder, creating the
// folder first when it is missing. Throws Error when it cannot be created.
CopyReport BackupFiles(platform::FilesApi& files, const std::string& windowsDirectory);

// Copies whatever the backup folder holds of the set back into the Windows
// folder. With no backup folder nothing is attempted and the report lists
// every file as absent.
CopyReport RestoreFiles(platform::FilesApi& files, const std::string& windowsDirectory);

// The closing messages. The error texts come from the files API.
std::string BackupMessage(const CopyReport& report, Family family, platform::FilesApi& files);
std::string RestoreMessage(const CopyReport& report, platform::FilesApi& files);

// The two Settings menu commands: copy, then show the closing message as a
// plain message box.
void BackupSystemFiles(
    platform::FilesApi& files, platform::ProfileApi& profile, platform::DialogsApi& dialogs, Family family);
void RestoreSystemFiles(platform::FilesApi& files, platform::ProfileApi& profile, platform::DialogsApi& dialogs);

} // namespace ventaro::backup
