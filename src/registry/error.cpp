#include "registry/error.h"

namespace ventaro {

std::string Format(std::string_view pattern, std::string_view arg)
{
    const auto at = pattern.find("%s");
    if (at == std::string_view::npos)
        return std::string(pattern);
    std::string out(pattern.substr(0, at));
    out.append(arg);
    out.append(pattern.substr(at + 2));
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
