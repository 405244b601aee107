#include "settings/field_value.h"

#include "registry/convert.h"

namespace ventaro {

std::int64_t FieldValue(std::string_view text) { return TryStrToInt64(text).value_or(0); }

} // namespace ventaro
