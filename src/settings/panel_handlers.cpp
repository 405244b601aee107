// What the value options and value fields do: a value option writes its value
// and locks the field, a Custom option unlocks it; a field's change checks the
// option that matches its new value.
#include "settings/field_value.h"
#include "settings/receive_window.h"
#include "settings/settings_panel.h"

#include <array>
#include <cstdint>
#include <string>

namespace ventaro {
namespace {

using controls::Color;
using controls::Control;
using controls::TEdit;
using controls::TglCheckBox;
using P = SettingsPanel;

enum class ListChange { None, Enable, Disable };

// text nullptr: the option keeps the field's text (a Custom option or " Multiple").
struct ValueOptionRow {
    TglCheckBox P::*option;
    TEdit P::*field;
    const char* text;
    bool enableField;
    ListChange list;
};

constexpr ValueOptionRow kValueOptions[] = {
    {&P::RadioButton5, &P::Edit1, "32", false, ListChange::None},
    {&P::RadioButton6, &P::Edit1, "64", false, ListChange::None},
    {&P::RadioButton7, &P::Edit1, "128", false, ListChange::None},
    {&P::RadioButton8, &P::Edit1, nullptr, true, ListChange::None},
    {&P::RadioButton9, &P::Edit2, "576", false, ListChange::None},
    {&P::RadioButton10, &P::Edit2, "1500", false, ListChange::None},
    {&P::RadioButton11, &P::Edit2, nullptr, true, ListChange::None},
    {&P::RadioButton12, &P::Edit3, "0", false, ListChange::None},
    {&P::RadioButton13, &P::Edit3, "16", false, ListChange::None},
    {&P::RadioButton14, &P::Edit3, "32", false, ListChange::None},
    {&P::RadioButton15, &P::Edit3, nullptr, true, ListChange::None},
    {&P::RadioButton16, &P::Edit4, nullptr, false, ListChange::Enable},
    {&P::RadioButton17, &P::Edit4, nullptr, true, ListChange::Disable},
    {&P::RadioButton18, &P::Edit5, "600", false, ListChange::None},
    {&P::RadioButton19, &P::Edit5, nullptr, true, ListChange::None},
};

struct ValueMatch {
    std::int64_t value;
    TglCheckBox P::*option; // nullptr ends the list
};

// The option a field's value selects; any value not listed selects otherwise.
struct FieldOptionsRow {
    TEdit P::*field;
    std::array<ValueMatch, 3> matches;
    TglCheckBox P::*otherwise;
};

constexpr FieldOptionsRow kFieldOptions[] = {
    {&P::Edit1, {{{32, &P::RadioButton5}, {64, &P::RadioButton6}, {128, &P::RadioButton7}}}, &P::RadioButton8},
    {&P::Edit2, {{{576, &P::RadioButton9}, {1500, &P::RadioButton10}, {0, nullptr}}}, &P::RadioButton11},
    {&P::Edit3, {{{0, &P::RadioButton12}, {16, &P::RadioButton13}, {32, &P::RadioButton14}}}, &P::RadioButton15},
    {&P::Edit5, {{{600, &P::RadioButton18}, {0, nullptr}, {0, nullptr}}}, &P::RadioButton19},
};

} // namespace

void SettingsPanel::EnableField(Control& field, bool enabled)
{
    field.SetEnabled(enabled);
    field.SetColor(enabled ? Color::clWindow : Color::clBtnFace);
}

void SettingsPanel::ClickValueOption(TglCheckBox P::*option)
{
    for (const ValueOptionRow& row : kValueOptions) {
        if (row.option != option)
            continue;
        TEdit& field = this->*row.field;
        if (row.text)
            field.SetText(row.text);
        EnableField(field, row.enableField);
        if (row.list != ListChange::None)
            EnableField(ComboBox1, row.list == ListChange::Enable);
        return;
    }
}

void SettingsPanel::CheckMatchingOption(TEdit P::*field)
{
    for (const FieldOptionsRow& row : kFieldOptions) {
        if (row.field != field)
            continue;
        const std::int64_t value = FieldValue((this->*field).Text());
        TglCheckBox P::*option = row.otherwise;
        for (const ValueMatch& match : row.matches) {
            if (match.option && match.value == value) {
                option = match.option;
                break;
            }
        }
        (this->*option).SetChecked(true);
        return;
    }
}

void SettingsPanel::RadioButton5Click(Control&) { ClickValueOption(&P::RadioButton5); }
void SettingsPanel::RadioButton6Click(Control&) { ClickValueOption(&P::RadioButton6); }
void SettingsPanel::RadioButton7Click(Control&) { ClickValueOption(&P::RadioButton7); }
void SettingsPanel::RadioButton8Click(Control&) { ClickValueOption(&P::RadioButton8); }
void SettingsPanel::RadioButton9Click(Control&) { ClickValueOption(&P::RadioButton9); }
void SettingsPanel::RadioButton10Click(Control&) { ClickValueOption(&P::RadioButton10); }
void SettingsPanel::RadioButton11Click(Control&) { ClickValueOption(&P::RadioButton11); }
void SettingsPanel::RadioButton12Click(Control&) { ClickValueOption(&P::RadioButton12); }
void SettingsPanel::RadioButton13Click(Control&) { ClickValueOption(&P::RadioButton13); }
void SettingsPanel::RadioButton14Click(Control&) { ClickValueOption(&P::RadioButton14); }
void SettingsPanel::RadioButton15Click(Control&) { ClickValueOption(&P::RadioButton15); }
void SettingsPanel::RadioButton16Click(Control&) { ClickValueOption(&P::RadioButton16); }
void SettingsPanel::RadioButton17Click(Control&) { ClickValueOption(&P::RadioButton17); }
void SettingsPanel::RadioButton18Click(Control&) { ClickValueOption(&P::RadioButton18); }
void SettingsPanel::RadioButton19Click(Control&) { ClickValueOption(&P::RadioButton19); }

void SettingsPanel::Edit1Change(Control&) { CheckMatchingOption(&P::Edit1); }

// The receive window follows the MTU while a multiple is selected, whichever
// receive-window option is checked.
void SettingsPanel::Edit2Change(Control&)
{
    const int item = ComboBox1.ItemIndex();
    if (item >= 0 && item < static_cast<int>(kReceiveWindowMultiples.size()))
        UpdateReceiveWindow(kReceiveWindowMultiples[static_cast<std::size_t>(item)].factor);
    CheckMatchingOption(&P::Edit2);
}

void SettingsPanel::Edit3Change(Control&) { CheckMatchingOption(&P::Edit3); }

// A receive window that a listed multiple of a dial-up or LAN MTU gives shows
// as that multiple; any other leaves the list's selection alone.
void SettingsPanel::Edit4Change(Control&)
{
    if (const auto item = KnownReceiveWindowItem(FieldValue(Edit4.Text()))) {
        ComboBox1.SetItemIndex(*item);
        RadioButton16.SetChecked(true);
    } else {
        RadioButton17.SetChecked(true);
    }
}

void SettingsPanel::Edit5Change(Control&) { CheckMatchingOption(&P::Edit5); }

// Lowercase letters never make an MTU; everything else passes as typed.
void SettingsPanel::Edit2KeyPress(Control&, char& key)
{
    if (key >= 'a' && key <= 'z')
        key = '\0';
}

void SettingsPanel::ComboBox1Change(Control&)
{
    const int item = ComboBox1.ItemIndex();
    if (item >= 0 && item < static_cast<int>(kReceiveWindowMultiples.size()))
        UpdateReceiveWindow(kReceiveWindowMultiples[static_cast<std::size_t>(item)].factor);
}

void SettingsPanel::UpdateReceiveWindow(int multiple)
{
    Edit4.SetText(std::to_string(ReceiveWindow(FieldValue(Edit2.Text()), multiple)));
}

} // namespace ventaro
