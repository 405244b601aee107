#include "panel_test_support.h"

#include "settings/connection_type.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace ventaro {
namespace {

using controls::Color;
using controls::TComboBox;
using testing_support::PanelTest;

constexpr int kItemBefore = -2; // the list keeps the item it showed before the preset

// What each connection type leaves on the panel, written out as the tables
// of the presets give it. Stand-alone options in the order CheckBox1 to
// CheckBox9, glCheckBox6, glCheckBox8, glCheckBox9; '1' = checked.
struct PresetExpectation {
    ConnectionType type;
    const char* option;
    const char* mtu;
    const char* mtuOption;
    std::array<const char*, 3> receiveWindow;
    const char* receiveWindowOption;
    std::array<int, 3> item;
    const char* ttl;
    const char* ttlOption;
    const char* ndi;
    const char* ndiOption;
    const char* maxConnections;
    const char* maxConnections1_0;
    const char* standAlone;
};

const PresetExpectation kExpected[] = {
    {ConnectionType::Modem, "glCheckBox1", "576", "RadioButton9", {"3216", "4288", "5360"}, "RadioButton16", {1, 2, 3},
        "128", "RadioButton7", "16", "RadioButton13", "4", "8", "011001011111"},
    {ConnectionType::Isdn, "glCheckBox2", "1500", "RadioButton10", {"11680", "8760", "14600"}, "RadioButton17",
        {2, 1, 3}, "128", "RadioButton6", "16", "RadioButton14", "8", "16", "011101011111"},
    {ConnectionType::CableDsl, "glCheckBox3", "1500", "RadioButton10", {"256960", "372300", "178120"}, "RadioButton17",
        {kItemBefore, kItemBefore, kItemBefore}, "64", "RadioButton6", "32", "RadioButton14", "10", "20",
        "010111100111"},
    {ConnectionType::DslPppoe, "glCheckBox4", "1492", "RadioButton11", {"255552", "370260", "177144"}, "RadioButton17",
        {kItemBefore, kItemBefore, kItemBefore}, "64", "RadioButton6", "32", "RadioButton14", "10", "20",
        "010111100111"},
    {ConnectionType::Extreme, "glCheckBox5", "1500", "RadioButton10", {"432160", "584000", "664300"}, "RadioButton17",
        {kItemBefore, kItemBefore, kItemBefore}, "64", "RadioButton6", "32", "RadioButton14", "20", "40",
        "010111100111"},
};

void PrintTo(const PresetExpectation& e, std::ostream* os) { *os << e.option; }

const std::vector<std::string> kModeOptions{"RadioButton3", "glCheckBox7", "glCheckBox12"};

// Connection type, automatic mode, and whether the list showed "x12" before.
class PresetTest : public PanelTest, public testing::WithParamInterface<std::tuple<PresetExpectation, int, bool>> { };

TEST_P(PresetTest, ClickLeavesThePresetOfTheCheckedMode)
{
    const auto& [e, mode, itemBefore] = GetParam();
    const std::string modeOption = kModeOptions[static_cast<std::size_t>(mode - 1)];
    Option(modeOption).Click();
    if (itemBefore)
        panel.ComboBox1.SetItemIndex(4);
    // Everything the preset must set starts the other way round.
    for (const std::string& name : testing_support::kValueFields)
        SettingsPanel::EnableField(Field(name), true);
    SettingsPanel::EnableField(panel.ComboBox1, true);
    for (std::size_t i = 0; i < testing_support::kStandAloneOptions.size(); ++i)
        Option(testing_support::kStandAloneOptions[i]).SetChecked(e.standAlone[i] == '0');

    Option(e.option).Click();

    EXPECT_EQ(panel.CheckedConnectionType(), e.type);
    EXPECT_EQ(CheckedAmong(testing_support::kMethodOptions), std::vector<std::string>{modeOption});
    EXPECT_EQ(panel.Edit2.Text(), e.mtu);
    EXPECT_EQ(panel.Edit4.Text(), e.receiveWindow[static_cast<std::size_t>(mode - 1)]);
    EXPECT_EQ(panel.Edit1.Text(), e.ttl);
    EXPECT_EQ(panel.Edit3.Text(), e.ndi);
    EXPECT_EQ(panel.Edit5.Text(), "600");
    EXPECT_EQ(panel.Edit6.Text(), e.maxConnections);
    EXPECT_EQ(panel.Edit7.Text(), e.maxConnections1_0);
    EXPECT_EQ(CheckedAmong(testing_support::kMtuOptions), std::vector<std::string>{e.mtuOption});
    EXPECT_EQ(CheckedAmong(testing_support::kReceiveWindowOptions), std::vector<std::string>{e.receiveWindowOption});
    EXPECT_EQ(CheckedAmong(testing_support::kTtlOptions), std::vector<std::string>{e.ttlOption});
    EXPECT_EQ(CheckedAmong(testing_support::kNdiOptions), std::vector<std::string>{e.ndiOption});
    EXPECT_EQ(CheckedAmong(testing_support::kKeepAliveOptions), std::vector<std::string>{"RadioButton18"});

    const int item = e.item[static_cast<std::size_t>(mode - 1)];
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), item != kItemBefore ? item : itemBefore ? 4 : TComboBox::kNoItem);

    std::string standAlone;
    for (const std::string& name : testing_support::kStandAloneOptions)
        standAlone += Option(name).Checked() ? '1' : '0';
    EXPECT_EQ(standAlone, e.standAlone);

    for (const std::string& name : testing_support::kValueFields) {
        EXPECT_FALSE(Field(name).Enabled()) << name;
        EXPECT_EQ(Field(name).GetColor(), Color::clBtnFace) << name;
    }
    EXPECT_FALSE(panel.ComboBox1.Enabled());
    EXPECT_EQ(panel.ComboBox1.GetColor(), Color::clBtnFace);
    for (const controls::Control* control : form.Controls()) {
        if (dynamic_cast<const controls::TglCheckBox*>(control)) {
            EXPECT_TRUE(control->Enabled()) << control->Name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, PresetTest, testing::Combine(testing::ValuesIn(kExpected), testing::Values(1, 2, 3), testing::Bool()));

// The option a field's change handler picks for a text, found on a panel of its own.
std::string OptionFor(const std::string& field, const std::string& text, const std::vector<std::string>& group)
{
    controls::Form form;
    SettingsPanel other(form);
    controls::TEdit& edit = *form.Find<controls::TEdit>(field);
    edit.SetText("-"); // a different text first, so that the real one runs the handler
    edit.SetText(text);
    for (const std::string& name : group) {
        if (form.Find<controls::TglCheckBox>(name)->Checked())
            return name;
    }
    return "none";
}

class LockedFieldTest : public PanelTest, public testing::WithParamInterface<PresetExpectation> { };

// A locked field cannot be edited, so its group's option is all the user sees of it.
TEST_P(LockedFieldTest, EachValueGroupShowsTheOptionOfItsOwnValue)
{
    panel.ApplyConnectionPreset(GetParam().type, 1);
    EXPECT_TRUE(Option(OptionFor("Edit1", panel.Edit1.Text(), testing_support::kTtlOptions)).Checked());
    EXPECT_TRUE(Option(OptionFor("Edit3", panel.Edit3.Text(), testing_support::kNdiOptions)).Checked());
    EXPECT_TRUE(Option(OptionFor("Edit2", panel.Edit2.Text(), testing_support::kMtuOptions)).Checked());
    EXPECT_TRUE(Option(OptionFor("Edit5", panel.Edit5.Text(), testing_support::kKeepAliveOptions)).Checked());
}

// ISDN is the one type whose TTL and cache-size options differ from its values.
INSTANTIATE_TEST_SUITE_P(
    Types, LockedFieldTest, testing::Values(kExpected[0], kExpected[2], kExpected[3], kExpected[4]));

TEST_F(PanelTest, IsdnShowsTheBroadbandOptionsBesideItsOwnValues)
{
    panel.ApplyConnectionPreset(ConnectionType::Isdn, 1);
    EXPECT_EQ(panel.Edit1.Text(), "128");
    EXPECT_TRUE(panel.RadioButton6.Checked());
    EXPECT_FALSE(panel.RadioButton7.Checked());
    EXPECT_EQ(panel.Edit3.Text(), "16");
    EXPECT_TRUE(panel.RadioButton14.Checked());
    EXPECT_FALSE(panel.RadioButton13.Checked());
}

TEST_F(PanelTest, PresetFromCodeChecksNoConnectionType)
{
    panel.ApplyConnectionPreset(ConnectionType::Extreme, 2);
    EXPECT_EQ(panel.Edit4.Text(), "584000");
    EXPECT_FALSE(panel.CheckedConnectionType());
    EXPECT_EQ(panel.CheckedMethod(), OptimizationMethod::AutomaticMode1);
}

TEST_F(PanelTest, UnknownModeIsRefusedBeforeAnythingChanges)
{
    const auto before = testing_support::Snap(form);
    for (const int mode : {0, 4, -1})
        EXPECT_THROW(panel.ApplyConnectionPreset(ConnectionType::Modem, mode), std::invalid_argument) << mode;
    EXPECT_EQ(before, testing_support::Snap(form));
}

TEST_F(PanelTest, ModemToExtremeSwapsTheSlowLinkOptions)
{
    panel.glCheckBox1.Click();
    const auto before = testing_support::Snap(form);
    panel.glCheckBox5.Click();
    const auto changed = testing_support::Changed(before, testing_support::Snap(form));
    for (const char* name : {"CheckBox3", "CheckBox8", "CheckBox9"}) {
        EXPECT_TRUE(changed.count(name)) << name;
        EXPECT_FALSE(Option(name).Checked()) << name;
    }
    for (const char* name : {"CheckBox4", "CheckBox5", "CheckBox7"}) {
        EXPECT_TRUE(changed.count(name)) << name;
        EXPECT_TRUE(Option(name).Checked()) << name;
    }
    for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox6", "glCheckBox6", "glCheckBox8", "glCheckBox9"})
        EXPECT_FALSE(changed.count(name)) << name;
    EXPECT_FALSE(panel.glCheckBox1.Checked());
    EXPECT_EQ(panel.CheckedConnectionType(), ConnectionType::Extreme);
}

TEST_F(PanelTest, ClickingTheCheckedTypeAgainUndoesTheUsersChanges)
{
    panel.glCheckBox1.Click();
    const auto preset = testing_support::Snap(form);
    panel.RadioButton8.Click();
    panel.Edit1.Type('9');
    panel.RadioButton17.Click();
    panel.Edit4.SetText("64240");
    panel.CheckBox3.Click();
    panel.glCheckBox9.Click();
    ASSERT_NE(preset, testing_support::Snap(form));

    panel.glCheckBox1.Click();

    EXPECT_TRUE(panel.glCheckBox1.Checked());
    EXPECT_EQ(preset, testing_support::Snap(form));
}

TEST_F(PanelTest, TypeClickInCustomModeOnlyUnlocksTheFiveFields)
{
    panel.glCheckBox1.Click();
    panel.RadioButton4.Click();
    // Give the fields the Custom click leaves alone a state to keep.
    SettingsPanel::EnableField(panel.Edit7, false);
    SettingsPanel::EnableField(panel.ComboBox1, true);
    for (const char* name : {"RadioButton9", "RadioButton16", "RadioButton12", "RadioButton5", "RadioButton18"})
        Option(name).SetChecked(true);
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"})
        SettingsPanel::EnableField(Field(name), false);
    const auto before = testing_support::Snap(form);

    panel.glCheckBox3.Click();

    const auto after = testing_support::Snap(form);
    for (const auto& [name, state] : after)
        EXPECT_EQ(state.text, before.at(name).text) << name;
    for (const std::string& name : testing_support::kStandAloneOptions)
        EXPECT_EQ(after.at(name).checked, before.at(name).checked) << name;
    for (const char* name : {"RadioButton11", "RadioButton17", "RadioButton15", "RadioButton8", "RadioButton19"})
        EXPECT_TRUE(Option(name).Checked()) << name;
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"}) {
        EXPECT_TRUE(Field(name).Enabled()) << name;
        EXPECT_EQ(Field(name).GetColor(), Color::clWindow) << name;
    }
    for (const char* name : {"Edit6", "Edit7", "ComboBox1"})
        EXPECT_EQ(after.at(name), before.at(name)) << name;
    EXPECT_EQ(panel.CheckedConnectionType(), ConnectionType::CableDsl);
}

struct NameCase {
    ConnectionType type;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class RestartNameTest : public testing::TestWithParam<NameCase> { };

TEST_P(RestartNameTest, NamesTheConnectionInTheRestartPrompt)
{
    EXPECT_EQ(RestartPromptName(GetParam().type), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Types, RestartNameTest,
    testing::Values(NameCase{ConnectionType::Modem, "Modem (Dial-Up)"}, NameCase{ConnectionType::Isdn, "ISDN"},
        NameCase{ConnectionType::CableDsl, "CABLE / DSL"}, NameCase{ConnectionType::DslPppoe, "DSL (PPPoE)"},
        NameCase{ConnectionType::Extreme, "extreme"}));

} // namespace
} // namespace ventaro
