#pragma once

#include <string>
#include <string_view>

namespace ventaro {

class SettingsPanel;

// What the registry engine reads and sets on the settings panel, by control
// name as the catalogue gives it. Setting a text runs the field's change
// handler (when the text changes); checking from code runs no click handler.
std::string FieldText(SettingsPanel& panel, std::string_view field);
void SetFieldText(SettingsPanel& panel, std::string_view field, const std::string& text);
bool IsChecked(SettingsPanel& panel, std::string_view option);
void SetChecked(SettingsPanel& panel, std::string_view option, bool checked);
// Disables a field and leaves its colour as it is.
void DisableKeepingColour(SettingsPanel& panel, std::string_view field);

} // namespace ventaro
