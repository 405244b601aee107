#pragma once

#include <string>

namespace ventaro::platform {

// The system's private profile-string functions over one INI file.
class ProfileApi {
public:
    virtual ~ProfileApi() = default;

    // Reads with the system's 2048-character buffer: at most 2047 come back.
    virtual std::string ReadString(
        const std::string& file, const std::string& section, const std::string& entry, const std::string& fallback)
        = 0;
    virtual bool WriteString(
        const std::string& file, const std::string& section, const std::string& entry, const std::string& value)
        = 0;
    // Writes the system's cached changes of the file to disk.
    virtual void Flush(const std::string& file) = 0;
    // The Windows folder, without a trailing backslash.
    virtual std::string WindowsDirectory() = 0;
};

inline constexpr std::size_t kProfileReadLimit = 2047;

} // namespace ventaro::platform
