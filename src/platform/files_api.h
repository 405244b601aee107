#pragma once

#include <cstdint>
#include <string>

namespace ventaro::platform {

inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorAccessDenied = 5;

// File operations with Windows paths and Win32 error codes.
class FilesApi {
public:
    virtual ~FilesApi() = default;
    // The running executable's full path.
    virtual std::string ExecutablePath() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    // One level; the parent must exist.
    virtual bool CreateDirectory(const std::string& path) = 0;
    // Clears read-only, hidden and system.
    virtual bool SetAttributesNormal(const std::string& path) = 0;
    // Returns kErrorSuccess or the system's error code.
    virtual std::uint32_t CopyFile(const std::string& from, const std::string& to, bool failIfExists) = 0;
    // The system's text for an error code.
    virtual std::string ErrorText(std::uint32_t code) = 0;
};

} // namespace ventaro::platform
