#pragma once

#include "registry/error.h"

#include <string>

namespace ventaro::test {

// Runs the call and returns the text of the error it raised, or "" when it
// raised none; tests compare it with the exact text the program shows.
template <typename Call> std::string Raised(Call&& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

} // namespace ventaro::test
