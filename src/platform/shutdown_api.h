#pragma once

#include <cstdint>
#include <string>

namespace ventaro::platform {

inline constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
inline constexpr std::uint32_t kTokenQuery = 0x08;
inline constexpr std::uint32_t kSePrivilegeEnabled = 2;
inline constexpr std::uint32_t kEwxReboot = 2;
inline constexpr std::uint32_t kEwxForce = 4;
inline constexpr std::uint32_t kEwxForceIfHung = 0x10;

struct Luid {
    std::uint32_t lowPart = 0;
    std::int32_t highPart = 0;
};

// TOKEN_PRIVILEGES with one entry: 16 bytes, as the system lays it out.
struct TokenPrivileges {
    std::uint32_t count = 0;
    Luid luid;
    std::uint32_t attributes = 0;
};

using TokenHandle = std::uintptr_t;

// The calls a shutdown of an NT system needs: the process token, the
// privilege look-up and adjustment, and the exit itself.
class ShutdownApi {
public:
    virtual ~ShutdownApi() = default;
    virtual bool OpenProcessToken(std::uint32_t access, TokenHandle& token) = 0;
    virtual void CloseToken(TokenHandle token) = 0;
    virtual bool LookupPrivilege(const std::string& name, Luid& luid) = 0;
    virtual bool AdjustTokenPrivileges(
        TokenHandle token, const TokenPrivileges& state, TokenPrivileges& previous, std::uint32_t& returnLength)
        = 0;
    virtual bool ExitSystem(std::uint32_t flags, std::uint32_t reason) = 0;
};

} // namespace ventaro::platform
