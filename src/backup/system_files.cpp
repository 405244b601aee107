#include "backup/system_files.h"

#include "registry/error.h"

#include <algorithm>

namespace ventaro::backup {
namespace {

using platform::FilesApi;

// Why a copy failed, in the words the closing message uses.
std::string Reason(std::uint32_t error, FilesApi& files)
{
    switch (error) {
    case platform::kErrorFileNotFound:
    case platform::kErrorPathNotFound:
        return "not found";
    case platform::kErrorAccessDenied:
        return "access denied";
    default:
        break;
    }
    std::string text = files.ErrorText(error);
    return text.empty() ? "error " + std::to_string(error) : text;
}

// "A", "A and B", "A, B and C".
std::string JoinNames(const std::vector<std::string_view>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            out += i + 1 == names.size() ? " and " : ", ";
        out += names[i];
    }
    return out;
}

std::string FailureList(const CopyReport& report, FilesApi& files)
{
    std::string out;
    for (const auto& r : report.files)
        if (r.outcome == CopyOutcome::Failed) {
            out += '\n';
            out += r.file->Name();
            out += ": ";
            out += Reason(r.error, files);
        }
    return out;
}

// Copies one file over whatever stands at the destination. Copies keep the
// attributes of their source, so a hive copied before is read-only, hidden and
// system, and the system refuses to overwrite it until they are cleared.
FileResult CopyOne(FilesApi& files, const SystemFile& file, const std::string& from, const std::string& to)
{
    const std::string source = from + std::string(file.suffix);
    const std::string target = to + std::string(file.suffix);
    if (!files.FileExists(source))
        return {&file, CopyOutcome::Absent};
    if (files.FileExists(target))
        files.SetAttributesNormal(target); // a refusal shows up as the copy's own error
    const std::uint32_t error = files.CopyFile(source, target, false);
    return {&file, error == platform::kErrorSuccess ? CopyOutcome::Copied : CopyOutcome::Failed, error};
}

CopyReport CopyAll(FilesApi& files, std::string from, std::string to)
{
    CopyReport report{std::move(from), std::move(to), {}};
    for (const auto& file : kSystemFiles)
        report.files.push_back(CopyOne(files, file, report.from, report.to));
    return report;
}

} // namespace

bool CopyReport::AllPresentCopied() const
{
    return std::none_of(
        files.begin(), files.end(), [](const FileResult& r) { return r.outcome == CopyOutcome::Failed; });
}

bool CopyReport::NothingPresent() const
{
    return std::all_of(
        files.begin(), files.end(), [](const FileResult& r) { return r.outcome == CopyOutcome::Absent; });
}

std::string BackupFolder(FilesApi& files)
{
    const std::string exe = files.ExecutablePath();
    const auto separator = exe.find_last_of("\\/");
    const std::string folder = separator == std::string::npos ? std::string() : exe.substr(0, separator + 1);
    return folder + std::string(kBackupFolderName);
}

CopyReport BackupFiles(FilesApi& files, const std::string& windowsDirectory)
{
    const std::string folder = BackupFolder(files);
    if (!files.DirectoryExists(folder) && !files.CreateDirectory(folder))
        throw Error(Format("The backup folder %s could not be created", folder));
    return CopyAll(files, windowsDirectory, folder);
}

CopyReport RestoreFiles(FilesApi& files, const std::string& windowsDirectory)
{
    const std::string folder = BackupFolder(files);
    if (!files.DirectoryExists(folder)) {
        CopyReport report{folder, windowsDirectory, {}};
        for (const auto& file : kSystemFiles)
            report.files.push_back({&file, CopyOutcome::Absent});
        return report;
    }
    return CopyAll(files, folder, windowsDirectory);
}

std::string BackupMessage(const CopyReport& report, Family family, FilesApi& files)
{
    if (report.NothingPresent())
        return "There is nothing to save: none of the system files was found in " + report.from + ".";

    std::string message = report.AllPresentCopied()
        ? std::string(kBackupDoneMessage)
        : "These files could not be saved to " + report.to + ":\n" + FailureList(report, files);

    // The NT family keeps its registry elsewhere: missing hives are expected.
    if (family == Family::NT) {
        std::vector<std::string_view> missing;
        for (const auto& r : report.files)
            if (r.file->registryHive && r.outcome == CopyOutcome::Absent)
                missing.push_back(r.file->Name());
        if (!missing.empty())
            message += "\n\nOn this version of Windows, " + JoinNames(missing) + (missing.size() == 1 ? " does" : " do")
                + " not exist in " + report.from + ".";
    }
    return message;
}

std::string RestoreMessage(const CopyReport& report, FilesApi& files)
{
    if (report.NothingPresent())
        return "There is no backup to restore in " + report.from + ".";
    if (report.AllPresentCopied())
        return std::string(kRestoreDoneMessage);
    return "These files could not be restored to " + report.to + ":\n" + FailureList(report, files);
}

void BackupSystemFiles(
    platform::FilesApi& files, platform::ProfileApi& profile, platform::DialogsApi& dialogs, Family family)
{
    const CopyReport report = BackupFiles(files, profile.WindowsDirectory());
    dialogs.Show(platform::DialogKind::Plain, BackupMessage(report, family, files));
}

void RestoreSystemFiles(platform::FilesApi& files, platform::ProfileApi& profile, platform::DialogsApi& dialogs)
{
    const CopyReport report = RestoreFiles(files, profile.WindowsDirectory());
    dialogs.Show(platform::DialogKind::Plain, RestoreMessage(report, files));
}

} // namespace ventaro::backup
