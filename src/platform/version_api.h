#pragma once

#include <cstdint>

namespace ventaro::platform {

// The single-byte OSVERSIONINFO record, size 148 as the system expects it.
struct OsVersionInfo {
    std::uint32_t size = 148;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    char csdVersion[128] = {};
};

class VersionApi {
public:
    virtual ~VersionApi() = default;
    // False when the system refuses the query.
    virtual bool GetVersion(OsVersionInfo& info) = 0;
};

} // namespace ventaro::platform
