#pragma once

#include <span>
#include <string_view>

namespace ventaro {

// Control IDs of the settings panel, by control name: part of the automation
// contract with the end-to-end tests and accessibility tools. Never renumber.
struct ControlId {
    std::string_view name;
    int id;
};

std::span<const ControlId> PanelControlIds();
// The ID of a named control, or 0 when it has none.
int PanelControlId(std::string_view name);

} // namespace ventaro
