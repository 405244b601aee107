#include "registry/error.h"

namespace ventaro {

std::string Format(std::string_view pattern, std::string_view arg)
{
    std::string out(pattern);
    if (const auto at = out.find("%s"); at != std::string::npos)
        out.replace(at, 2, arg);
    return out;
}

std::string ErrorBoxText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace ventaro
