#include "registry/panel_access.h"

#include "registry/error.h"
#include "settings/settings_panel.h"

namespace ventaro {
namespace {

// Every name the engine uses is one of the panel's; a slip is a program error.
template <class T> T& Find(SettingsPanel& panel, std::string_view name)
{
    if (auto* control = panel.Panel2.Owner().Find<T>(name))
        return *control;
    throw Error("The settings panel has no control " + std::string(name));
}

} // namespace

std::string FieldText(SettingsPanel& panel, std::string_view field)
{
    return Find<controls::TEdit>(panel, field).Text();
}

void SetFieldText(SettingsPanel& panel, std::string_view field, const std::string& text)
{
    Find<controls::TEdit>(panel, field).SetText(text);
}

bool IsChecked(SettingsPanel& panel, std::string_view option)
{
    return Find<controls::TglCheckBox>(panel, option).Checked();
}

void SetChecked(SettingsPanel& panel, std::string_view option, bool checked)
{
    Find<controls::TglCheckBox>(panel, option).SetChecked(checked);
}

void DisableKeepingColour(SettingsPanel& panel, std::string_view field)
{
    Find<controls::Control>(panel, field).SetEnabled(false);
}

} // namespace ventaro
