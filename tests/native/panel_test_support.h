#pragma once

#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "settings/settings_panel.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace ventaro::testing_support {

// Everything a view could see of one control.
struct ControlState {
    std::string text;
    bool checked = false;
    bool enabled = true;
    controls::Color color = controls::Color::clWindow;
    int itemIndex = controls::TComboBox::kNoItem;

    bool operator==(const ControlState&) const = default;
};

inline ControlState StateOf(const controls::Control& control)
{
    ControlState state;
    state.enabled = control.Enabled();
    state.color = control.GetColor();
    if (const auto* edit = dynamic_cast<const controls::TEdit*>(&control))
        state.text = edit->Text();
    if (const auto* option = dynamic_cast<const controls::TglCheckBox*>(&control))
        state.checked = option->Checked();
    if (const auto* list = dynamic_cast<const controls::TComboBox*>(&control))
        state.itemIndex = list->ItemIndex();
    return state;
}

using Snapshot = std::map<std::string, ControlState>;

inline Snapshot Snap(const controls::Form& form)
{
    Snapshot snapshot;
    for (const controls::Control* control : form.Controls())
        snapshot[control->Name()] = StateOf(*control);
    return snapshot;
}

// Names of the controls whose state differs between two snapshots.
inline std::set<std::string> Changed(const Snapshot& before, const Snapshot& after)
{
    std::set<std::string> names;
    for (const auto& [name, state] : after) {
        const auto it = before.find(name);
        if (it == before.end() || !(it->second == state))
            names.insert(name);
    }
    return names;
}

class PanelTest : public ::testing::Test {
protected:
    controls::Form form;
    SettingsPanel panel{form};

    controls::TglCheckBox& Option(const std::string& name)
    {
        auto* option = form.Find<controls::TglCheckBox>(name);
        if (!option)
            throw std::runtime_error("no option " + name);
        return *option;
    }
    controls::TEdit& Field(const std::string& name)
    {
        auto* edit = form.Find<controls::TEdit>(name);
        if (!edit)
            throw std::runtime_error("no field " + name);
        return *edit;
    }

    // The names of the checked options among these.
    std::vector<std::string> CheckedAmong(const std::vector<std::string>& names)
    {
        std::vector<std::string> checked;
        for (const std::string& name : names) {
            if (Option(name).Checked())
                checked.push_back(name);
        }
        return checked;
    }
};

// The option groups, top to bottom.
inline const std::vector<std::string> kMtuOptions{"RadioButton9", "RadioButton10", "RadioButton11"};
inline const std::vector<std::string> kReceiveWindowOptions{"RadioButton16", "RadioButton17"};
inline const std::vector<std::string> kNdiOptions{"RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15"};
inline const std::vector<std::string> kTtlOptions{"RadioButton5", "RadioButton6", "RadioButton7", "RadioButton8"};
inline const std::vector<std::string> kKeepAliveOptions{"RadioButton18", "RadioButton19"};
inline const std::vector<std::string> kMethodOptions{"RadioButton3", "glCheckBox7", "glCheckBox12", "RadioButton4"};
inline const std::vector<std::string> kConnectionOptions{
    "glCheckBox1", "glCheckBox2", "glCheckBox3", "glCheckBox4", "glCheckBox5"};
inline const std::vector<std::string> kStandAloneOptions{"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
    "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9", "glCheckBox6", "glCheckBox8", "glCheckBox9"};
inline const std::vector<std::string> kValueFields{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7"};

} // namespace ventaro::testing_support
