#pragma once

#include "platform/version_api.h"

namespace ventaro::platform {

class Win32Version final : public VersionApi {
public:
    bool GetVersion(OsVersionInfo& info) override;
};

} // namespace ventaro::platform
