#pragma once

// <windows.h> turns these names into its ANSI functions; a file that includes
// it before this header still sees the interface's own members.
#undef CopyFile
#undef CreateDirectory

#include "platform/files_api.h"

namespace ventaro::platform {

// The system's file functions, with ANSI paths.
class Win32Files final : public FilesApi {
public:
    std::string ExecutablePath() override;
    bool FileExists(const std::string& path) override;
    bool DirectoryExists(const std::string& path) override;
    bool CreateDirectory(const std::string& path) override;
    bool SetAttributesNormal(const std::string& path) override;
    std::uint32_t CopyFile(const std::string& from, const std::string& to, bool failIfExists) override;
    std::string ErrorText(std::uint32_t code) override;
};

} // namespace ventaro::platform
