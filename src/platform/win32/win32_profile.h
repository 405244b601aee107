#pragma once

#include "platform/profile_api.h"

namespace ventaro::platform {

// The system's private profile functions and the Windows folder.
class Win32Profile final : public ProfileApi {
public:
    std::string ReadString(const std::string& file, const std::string& section, const std::string& entry,
        const std::string& fallback) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& entry,
        const std::string& value) override;
    void Flush(const std::string& file) override;
    std::string WindowsDirectory() override;
};

} // namespace ventaro::platform
