#include "registry/convert.h"

#include "registry/error.h"

namespace ventaro {
namespace {

int DigitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

} // namespace

std::optional<std::int64_t> TryStrToInt64(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    // Accumulate the magnitude unsigned so that the most negative value fits.
    // Hex may use the full 64 bits (as the two's complement pattern).
    const std::uint64_t limit = base == 16 ? UINT64_MAX : (negative ? std::uint64_t{1} << 63 : INT64_MAX);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0)
            return std::nullopt;
        if (magnitude > (limit - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base))
            return std::nullopt;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? static_cast<std::int64_t>(0 - magnitude) : value;
}

std::int64_t StrToInt64(std::string_view text)
{
    if (const auto value = TryStrToInt64(text))
        return *value;
    throw Error(Format("'%s' is not a valid integer value", text));
}

} // namespace ventaro
