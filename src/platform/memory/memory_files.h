#pragma once

#include "platform/files_api.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace ventaro::platform {

inline constexpr std::uint32_t kErrorSharingViolation = 32;
inline constexpr std::uint32_t kErrorFileExists = 80;

// A file system in memory with the rules of Windows: paths compared without
// regard to case and to the direction of their separators, files with bytes
// and attributes, and CopyFile's refusals (a missing source or folder, a
// read-only or hidden destination).
class MemoryFiles final : public FilesApi {
public:
    enum Attribute : std::uint32_t { ReadOnly = 0x1, Hidden = 0x2, System = 0x4 };

    struct File {
        std::string bytes;
        std::uint32_t attributes = 0;
    };

    // Test set-up. Folders and files bring their missing parent folders.
    void SetExecutablePath(std::string path) { executable_ = std::move(path); }
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, std::string bytes, std::uint32_t attributes = 0);
    void SetAttributes(const std::string& path, std::uint32_t attributes);
    // Every later copy from or to the path fails with the code, leaving both files alone.
    void FailCopies(const std::string& path, std::uint32_t error);
    void SetErrorText(std::uint32_t code, std::string text) { errorTexts_[code] = std::move(text); }

    // Inspection.
    std::optional<File> Get(const std::string& path) const;
    // Successful copies in order, as (from, to) with the caller's spelling.
    const std::vector<std::pair<std::string, std::string>>& Copies() const { return copies_; }

    std::string ExecutablePath() override { return executable_; }
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool SetAttributesNormal(const std::string& path) override;
    std::uint32_t CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    std::string ErrorText(std::uint32_t code) override;

private:
    std::string executable_ = "C:\\Program Files\\Ventaro\\Ventaro.exe";
    std::map<std::string, File> files_; // by Key()
    std::set<std::string> folders_;     // by Key()
    std::map<std::string, std::uint32_t> failures_;
    std::map<std::uint32_t, std::string> errorTexts_;
    std::vector<std::pair<std::string, std::string>> copies_;
};

} // namespace ventaro::platform
