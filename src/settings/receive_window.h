#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ventaro {

// The items of the multiple list, in list order.
struct ReceiveWindowMultiple {
    std::string_view item;
    int factor;
};

inline constexpr std::array<ReceiveWindowMultiple, 7> kReceiveWindowMultiples{{
    {"x4", 4},
    {"x6", 6},
    {"x8", 8},
    {"x10", 10},
    {"x12", 12},
    {"x14", 14},
    {"x16", 16},
}};

// The MTUs whose multiples the panel recognises as a receive window: dial-up and LAN.
inline constexpr std::array<std::int64_t, 2> kKnownReceiveWindowMtus{576, 1500};

// TCP and IP headers take 40 bytes of every packet.
inline constexpr std::int64_t kHeaderBytes = 40;

// (mtu - 40) * factor, never below 0. The field holds whatever was typed, so
// a product beyond the 64-bit range is held at the largest value instead of
// wrapping around into a small or negative window.
constexpr std::int64_t ReceiveWindow(std::int64_t mtu, int factor)
{
    if (mtu <= kHeaderBytes || factor <= 0)
        return 0;
    const std::int64_t payload = mtu - kHeaderBytes;
    if (payload > INT64_MAX / factor)
        return INT64_MAX;
    return payload * factor;
}

// The list item whose multiple of a known MTU gives this receive window.
constexpr std::optional<int> KnownReceiveWindowItem(std::int64_t receiveWindow)
{
    for (const std::int64_t mtu : kKnownReceiveWindowMtus) {
        for (std::size_t item = 0; item < kReceiveWindowMultiples.size(); ++item) {
            if (ReceiveWindow(mtu, kReceiveWindowMultiples[item].factor) == receiveWindow)
                return static_cast<int>(item);
        }
    }
    return std::nullopt;
}

} // namespace ventaro
