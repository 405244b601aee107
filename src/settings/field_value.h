#pragma once

#include <cstdint>
#include <string_view>

namespace ventaro {

// How the panel's handlers read a field: as the writers convert it, except
// that a text they would refuse (empty, not a number, beyond 64 bits) is 0.
std::int64_t FieldValue(std::string_view text);

} // namespace ventaro
