#pragma once

#include <string_view>

namespace ventaro {

// The kinds of Internet connection the presets are made for, in the order of
// their options on the panel.
enum class ConnectionType { Modem, Isdn, CableDsl, DslPppoe, Extreme };

// How the connection is named when Ventaro asks to restart Windows.
std::string_view RestartPromptName(ConnectionType type);

} // namespace ventaro
