#pragma once

#include "platform/profile_api.h"

#include <string>

namespace ventaro {

// One INI file through the system's profile functions. Releasing it asks
// the system to write its cached changes to disk.
class TIniFile {
public:
    TIniFile(platform::ProfileApi& api, std::string fileName);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    std::string ReadString(const std::string& section, const std::string& entry, const std::string& fallback);
    // Raises "Unable to write to <file>" when the system refuses.
    void WriteString(const std::string& section, const std::string& entry, const std::string& value);

private:
    platform::ProfileApi& api_;
    std::string fileName_;
};

// The Win.ini of the Windows folder the system reports.
std::string WinIniPath(platform::ProfileApi& api);

} // namespace ventaro
