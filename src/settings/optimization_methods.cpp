// The optimization methods: an automatic mode applies the checked connection
// type's preset for that mode; Custom Mode unlocks every value field.
#include "settings/optimization_method.h"
#include "settings/settings_panel.h"

#include <array>

namespace ventaro {
namespace {

using P = SettingsPanel;

struct MethodOptionRow {
    OptimizationMethod method;
    controls::TglCheckBox P::*option;
};

// Tested in this order; when none of the automatic modes is checked, Custom Mode is.
constexpr std::array<MethodOptionRow, 3> kAutomaticModes{{
    {OptimizationMethod::AutomaticMode1, &P::RadioButton3},
    {OptimizationMethod::AutomaticMode2, &P::glCheckBox7},
    {OptimizationMethod::AutomaticMode3, &P::glCheckBox12},
}};

} // namespace

OptimizationMethod SettingsPanel::CheckedMethod() const
{
    for (const MethodOptionRow& row : kAutomaticModes) {
        if ((this->*row.option).Checked())
            return row.method;
    }
    return OptimizationMethod::CustomMode;
}

// Picked before any connection type, a mode only records the choice.
void SettingsPanel::ClickAutomaticMode(int mode)
{
    if (const auto type = CheckedConnectionType())
        ApplyConnectionPreset(*type, mode);
}

void SettingsPanel::glCheckBox6Click(controls::Control&) { ClickAutomaticMode(1); }
void SettingsPanel::glCheckBox7Click(controls::Control&) { ClickAutomaticMode(2); }
void SettingsPanel::glCheckBox12Click(controls::Control&) { ClickAutomaticMode(3); }

// The value fields open for typing; the receive window is then typed rather
// than chosen as a multiple.
void SettingsPanel::RadioButton4Click(controls::Control&)
{
    EnableCustomFields();
    EnableField(Edit6, true);
    EnableField(Edit7, true);
    EnableField(ComboBox1, false);
}

} // namespace ventaro
