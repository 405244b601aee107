// The connection-type presets and what writes them into the panel.
#include "settings/connection_presets.h"

#include <stdexcept>
#include <string>

namespace ventaro {
namespace {

using P = SettingsPanel;

// Modem and ISDN values favour slow links with small windows; the others
// use large windows with window scaling and SACK.
// clang-format off
constexpr std::array<ConnectionPreset, 5> kConnectionPresets{{
    {ConnectionType::Modem,
        {"576", &P::RadioButton9}, {"3216", "4288", "5360"}, &P::RadioButton16,
        {"128", &P::RadioButton7}, {"16", &P::RadioButton13}, {"600", &P::RadioButton18}, "4", "8",
        {.blackHoleDetect = false, .autoDiscovery = true, .slowNet = true, .sack = false, .maxDupAcks = false,
         .comPorts = true, .largeWindowScaling = false, .comBuffer = true, .vcache = true,
         .bsdUrgentData = true, .maxConnect = true, .maxSockets = true}},
    // ISDN writes 128 and 16 but shows the broadband options 64 and 32: each
    // group shows an option that differs from its disabled field.
    {ConnectionType::Isdn,
        {"1500", &P::RadioButton10}, {"11680", "8760", "14600"}, &P::RadioButton17,
        {"128", &P::RadioButton6}, {"16", &P::RadioButton14}, {"600", &P::RadioButton18}, "8", "16",
        {.blackHoleDetect = false, .autoDiscovery = true, .slowNet = true, .sack = true, .maxDupAcks = false,
         .comPorts = true, .largeWindowScaling = false, .comBuffer = true, .vcache = true,
         .bsdUrgentData = true, .maxConnect = true, .maxSockets = true}},
    {ConnectionType::CableDsl,
        {"1500", &P::RadioButton10}, {"256960", "372300", "178120"}, &P::RadioButton17,
        {"64", &P::RadioButton6}, {"32", &P::RadioButton14}, {"600", &P::RadioButton18}, "10", "20",
        {.blackHoleDetect = false, .autoDiscovery = true, .slowNet = false, .sack = true, .maxDupAcks = true,
         .comPorts = true, .largeWindowScaling = true, .comBuffer = false, .vcache = false,
         .bsdUrgentData = true, .maxConnect = true, .maxSockets = true}},
    // PPPoE takes 8 bytes of every frame, hence the MTU of 1492.
    {ConnectionType::DslPppoe,
        {"1492", &P::RadioButton11}, {"255552", "370260", "177144"}, &P::RadioButton17,
        {"64", &P::RadioButton6}, {"32", &P::RadioButton14}, {"600", &P::RadioButton18}, "10", "20",
        {.blackHoleDetect = false, .autoDiscovery = true, .slowNet = false, .sack = true, .maxDupAcks = true,
         .comPorts = true, .largeWindowScaling = true, .comBuffer = false, .vcache = false,
         .bsdUrgentData = true, .maxConnect = true, .maxSockets = true}},
    {ConnectionType::Extreme,
        {"1500", &P::RadioButton10}, {"432160", "584000", "664300"}, &P::RadioButton17,
        {"64", &P::RadioButton6}, {"32", &P::RadioButton14}, {"600", &P::RadioButton18}, "20", "40",
        {.blackHoleDetect = false, .autoDiscovery = true, .slowNet = false, .sack = true, .maxDupAcks = true,
         .comPorts = true, .largeWindowScaling = true, .comBuffer = false, .vcache = false,
         .bsdUrgentData = true, .maxConnect = true, .maxSockets = true}},
}};
// clang-format on

// Which option holds each stand-alone state.
struct StandAloneOptionRow {
    bool StandAloneOptions::*state;
    OptionMember option;
};

constexpr std::array<StandAloneOptionRow, 12> kStandAloneOptionRows{{
    {&StandAloneOptions::blackHoleDetect, &P::CheckBox1},
    {&StandAloneOptions::autoDiscovery, &P::CheckBox2},
    {&StandAloneOptions::slowNet, &P::CheckBox3},
    {&StandAloneOptions::sack, &P::CheckBox4},
    {&StandAloneOptions::maxDupAcks, &P::CheckBox5},
    {&StandAloneOptions::comPorts, &P::CheckBox6},
    {&StandAloneOptions::largeWindowScaling, &P::CheckBox7},
    {&StandAloneOptions::comBuffer, &P::CheckBox8},
    {&StandAloneOptions::vcache, &P::CheckBox9},
    {&StandAloneOptions::bsdUrgentData, &P::glCheckBox6},
    {&StandAloneOptions::maxConnect, &P::glCheckBox8},
    {&StandAloneOptions::maxSockets, &P::glCheckBox9},
}};

// The Custom option of each value group with its field, in the order they are unlocked.
struct CustomFieldRow {
    OptionMember option;
    controls::TEdit P::*field;
};

constexpr std::array<CustomFieldRow, 5> kCustomFields{{
    {&P::RadioButton11, &P::Edit2},
    {&P::RadioButton17, &P::Edit4},
    {&P::RadioButton15, &P::Edit3},
    {&P::RadioButton8, &P::Edit1},
    {&P::RadioButton19, &P::Edit5},
}};

} // namespace

const ConnectionPreset& PresetFor(ConnectionType type)
{
    for (const ConnectionPreset& preset : kConnectionPresets) {
        if (preset.type == type)
            return preset;
    }
    throw std::invalid_argument("no preset for connection type " + std::to_string(static_cast<int>(type)));
}

// Each value is written before its option is checked, so the preset's option
// wins over the one the field's change handler picked; the MTU goes first, so
// the receive window it recalculates is then replaced by the preset's own.
void SettingsPanel::ApplyConnectionPreset(ConnectionType type, int mode)
{
    if (mode < 1 || mode > 3)
        throw std::invalid_argument("automatic mode " + std::to_string(mode) + " does not exist");
    const ConnectionPreset& preset = PresetFor(type);

    const auto setValue = [this](controls::TEdit& field, const PresetValue& value) {
        field.SetText(value.text);
        (this->*value.option).SetChecked(true);
        EnableField(field, false);
    };
    setValue(Edit2, preset.mtu);
    setValue(Edit4, {preset.receiveWindows[static_cast<std::size_t>(mode - 1)], preset.receiveWindowOption});
    setValue(Edit1, preset.ttl);
    setValue(Edit3, preset.ndiCacheSize);
    setValue(Edit5, preset.keepAlive);
    Edit6.SetText(preset.maxConnectionsPerServer);
    EnableField(Edit6, false);
    Edit7.SetText(preset.maxConnectionsPer1_0Server);
    EnableField(Edit7, false);
    EnableField(ComboBox1, false);
    for (const StandAloneOptionRow& row : kStandAloneOptionRows)
        (this->*row.option).SetChecked(preset.options.*row.state);
}

// Checks Custom in the five value groups and unlocks their fields, keeping
// every text.
void SettingsPanel::EnableCustomFields()
{
    for (const CustomFieldRow& row : kCustomFields) {
        (this->*row.option).SetChecked(true);
        EnableField(this->*row.field, true);
    }
}

} // namespace ventaro
