// The connection-type options: which type is checked, how it is named, and
// what a click on one does under the checked method.
#include "settings/connection_type.h"
#include "settings/settings_panel.h"

#include <array>
#include <stdexcept>
#include <string>

namespace ventaro {
namespace {

using P = SettingsPanel;

// In the order in which the checked type is looked for.
struct ConnectionOptionRow {
    ConnectionType type;
    controls::TglCheckBox P::*option;
    std::string_view restartPromptName;
};

constexpr std::array<ConnectionOptionRow, 5> kConnectionOptions{{
    {ConnectionType::Modem, &P::glCheckBox1, "Modem (Dial-Up)"},
    {ConnectionType::Isdn, &P::glCheckBox2, "ISDN"},
    {ConnectionType::CableDsl, &P::glCheckBox3, "CABLE / DSL"},
    {ConnectionType::DslPppoe, &P::glCheckBox4, "DSL (PPPoE)"},
    {ConnectionType::Extreme, &P::glCheckBox5, "extreme"},
}};

} // namespace

std::string_view RestartPromptName(ConnectionType type)
{
    for (const ConnectionOptionRow& row : kConnectionOptions) {
        if (row.type == type)
            return row.restartPromptName;
    }
    throw std::invalid_argument("no connection type " + std::to_string(static_cast<int>(type)));
}

std::optional<ConnectionType> SettingsPanel::CheckedConnectionType() const
{
    for (const ConnectionOptionRow& row : kConnectionOptions) {
        if ((this->*row.option).Checked())
            return row.type;
    }
    return std::nullopt;
}

void SettingsPanel::ClickConnectionType(ConnectionType type)
{
    const OptimizationMethod method = CheckedMethod();
    if (method == OptimizationMethod::CustomMode)
        EnableCustomFields();
    else
        ApplyConnectionPreset(type, static_cast<int>(method) + 1);
}

void SettingsPanel::glCheckBox1Click(controls::Control&) { ClickConnectionType(ConnectionType::Modem); }
void SettingsPanel::glCheckBox2Click(controls::Control&) { ClickConnectionType(ConnectionType::Isdn); }
void SettingsPanel::glCheckBox3Click(controls::Control&) { ClickConnectionType(ConnectionType::CableDsl); }
void SettingsPanel::glCheckBox4Click(controls::Control&) { ClickConnectionType(ConnectionType::DslPppoe); }
void SettingsPanel::glCheckBox5Click(controls::Control&) { ClickConnectionType(ConnectionType::Extreme); }

} // namespace ventaro
