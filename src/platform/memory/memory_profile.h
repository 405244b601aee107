#pragma once

#include "platform/profile_api.h"

namespace ventaro::platform {

// Profile strings over real files on disk with the system's rules: section
// and entry names without regard to case, values trimmed, a replaced entry
// keeps its place, a new entry goes to the end of its section, a new section
// to the end of the file, and every other line stays as it was.
class MemoryProfile final : public ProfileApi {
public:
    explicit MemoryProfile(std::string windowsDirectory);

    std::string ReadString(const std::string& file, const std::string& section, const std::string& entry,
        const std::string& fallback) override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& entry,
        const std::string& value) override;
    void Flush(const std::string& file) override;
    std::string WindowsDirectory() override { return windowsDirectory_; }

    std::size_t FlushCount() const { return flushes_; }

private:
    std::string windowsDirectory_;
    std::size_t flushes_ = 0;
};

} // namespace ventaro::platform
