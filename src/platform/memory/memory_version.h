#pragma once

#include "platform/version_api.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace ventaro::platform {

// A version query that answers what a test sets.
class MemoryVersion final : public VersionApi {
public:
    void Set(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor, std::string_view csd = {})
    {
        info_ = OsVersionInfo{};
        info_.platformId = platformId;
        info_.major = major;
        info_.minor = minor;
        if (!csd.empty())
            std::memcpy(info_.csdVersion, csd.data(), std::min(csd.size(), sizeof info_.csdVersion - 1));
        fails_ = false;
    }
    void Fail() { fails_ = true; }

    bool GetVersion(OsVersionInfo& info) override
    {
        if (fails_ || info.size != 148)
            return false;
        info = info_;
        return true;
    }

private:
    OsVersionInfo info_;
    bool fails_ = false;
};

} // namespace ventaro::platform
