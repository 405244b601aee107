#pragma once

#include <string>

namespace ventaro::platform {

inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShow = 5;

// ShellExecute with the main window as owner; returns the system's result
// (greater than 32 on success). Callers that fire and forget ignore it.
class ShellApi {
public:
    virtual ~ShellApi() = default;
    virtual long Execute(const std::string& verb, const std::string& file, const std::string& parameters,
        const std::string& directory, int show)
        = 0;
};

} // namespace ventaro::platform
