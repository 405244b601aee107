#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ventaro {

// Field text to number: leading blanks, an optional sign, then decimal digits
// or "$"/"0x"/"0X" and hex digits, and nothing after. Empty text, any other
// character and values beyond 64 bits are refused.
std::optional<std::int64_t> TryStrToInt64(std::string_view text);

// As above, raising "'<text>' is not a valid integer value" on refusal.
std::int64_t StrToInt64(std::string_view text);

// Registry values take the low 32 bits of a converted field.
inline std::uint32_t Low32(std::int64_t value) { return static_cast<std::uint32_t>(value); }

} // namespace ventaro
