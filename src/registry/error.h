#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ventaro {

// Every error the program reports to the user travels as one of these; the
// application's error handler shows what() in the error box.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Fills the single "%s" of a message template.
std::string Format(std::string_view pattern, std::string_view arg);

// The text the error box shows: a full stop is added only when the last
// character sorts after '.', so "Failed to set data for 'X'" keeps its quote.
std::string ErrorBoxText(std::string_view message);

} // namespace ventaro
