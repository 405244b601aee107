#include "panel_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace ventaro {
namespace {

using controls::Color;
using testing_support::PanelTest;

const std::vector<std::string> kFiveCustomOptions{
    "RadioButton11", "RadioButton17", "RadioButton15", "RadioButton8", "RadioButton19"};
const std::vector<std::string> kFiveFields{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};

struct MethodCase {
    const char* option;
    OptimizationMethod method;
};

void PrintTo(const MethodCase& c, std::ostream* os) { *os << c.option; }

class MethodWithoutTypeTest : public PanelTest, public testing::WithParamInterface<MethodCase> { };

TEST_P(MethodWithoutTypeTest, AutomaticModeOnlyRecordsTheChoice)
{
    panel.Edit2.SetText("1500");
    panel.CheckBox4.Click();
    const auto before = testing_support::Snap(form);

    Option(GetParam().option).Click();

    EXPECT_EQ(panel.CheckedMethod(), GetParam().method);
    for (const std::string& name : testing_support::Changed(before, testing_support::Snap(form))) {
        EXPECT_TRUE(name == GetParam().option || name == "RadioButton3") << name << " changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, MethodWithoutTypeTest,
    testing::Values(MethodCase{"RadioButton3", OptimizationMethod::AutomaticMode1},
        MethodCase{"glCheckBox7", OptimizationMethod::AutomaticMode2},
        MethodCase{"glCheckBox12", OptimizationMethod::AutomaticMode3}));

struct SwitchCase {
    const char* name;
    const char* type;
    const char* from;
    const char* to;
    const char* receiveWindowBefore;
    const char* receiveWindowAfter;
    int itemBefore;
    int itemAfter;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

class MethodSwitchTest : public PanelTest, public testing::WithParamInterface<SwitchCase> { };

// Only the receive window differs between the automatic modes; every value
// the user changed since the last preset is set back.
TEST_P(MethodSwitchTest, AppliesTheCheckedTypesPresetForTheNewMode)
{
    const SwitchCase& tc = GetParam();
    Option(tc.from).Click();
    Option(tc.type).Click();
    ASSERT_EQ(panel.Edit4.Text(), tc.receiveWindowBefore);
    ASSERT_EQ(panel.ComboBox1.ItemIndex(), tc.itemBefore);
    auto expected = testing_support::Snap(form);
    panel.RadioButton5.Click();
    panel.RadioButton15.Click();
    panel.Edit3.SetText("48");
    panel.CheckBox1.Click();
    panel.CheckBox2.Click();

    Option(tc.to).Click();

    EXPECT_EQ(panel.Edit4.Text(), tc.receiveWindowAfter);
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), tc.itemAfter);
    expected[tc.from].checked = false;
    expected[tc.to].checked = true;
    expected["Edit4"].text = tc.receiveWindowAfter;
    expected["ComboBox1"].itemIndex = tc.itemAfter;
    EXPECT_EQ(expected, testing_support::Snap(form));
}

INSTANTIATE_TEST_SUITE_P(Switches, MethodSwitchTest,
    testing::Values(SwitchCase{"ModemMode1To3", "glCheckBox1", "RadioButton3", "glCheckBox12", "3216", "5360", 1, 3},
        SwitchCase{"IsdnMode1To2", "glCheckBox2", "RadioButton3", "glCheckBox7", "11680", "8760", 2, 1},
        SwitchCase{"ExtremeMode2To3", "glCheckBox5", "glCheckBox7", "glCheckBox12", "584000", "664300", -1, -1},
        SwitchCase{"PppoeMode3To1", "glCheckBox4", "glCheckBox12", "RadioButton3", "177144", "255552", -1, -1}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

class CustomModeTest : public PanelTest {
protected:
    // Custom Mode as it must always end: five Custom options, seven open
    // fields, a locked list, and every text and stand-alone option as before.
    void ExpectCustomModeOver(const testing_support::Snapshot& before)
    {
        EXPECT_EQ(panel.CheckedMethod(), OptimizationMethod::CustomMode);
        for (const std::string& name : kFiveCustomOptions)
            EXPECT_TRUE(Option(name).Checked()) << name;
        for (const std::string& name : testing_support::kValueFields) {
            EXPECT_TRUE(Field(name).Enabled()) << name;
            EXPECT_EQ(Field(name).GetColor(), Color::clWindow) << name;
        }
        EXPECT_FALSE(panel.ComboBox1.Enabled());
        EXPECT_EQ(panel.ComboBox1.GetColor(), Color::clBtnFace);
        const auto after = testing_support::Snap(form);
        for (const auto& [name, state] : after)
            EXPECT_EQ(state.text, before.at(name).text) << name;
        for (const std::string& name : testing_support::kStandAloneOptions)
            EXPECT_EQ(after.at(name).checked, before.at(name).checked) << name;
        EXPECT_EQ(after.at("ComboBox1").itemIndex, before.at("ComboBox1").itemIndex);
        for (const std::string& name : testing_support::kConnectionOptions)
            EXPECT_EQ(after.at(name).checked, before.at(name).checked) << name;
    }
};

TEST_F(CustomModeTest, AfterAPresetKeepsItsValuesEvenWhereTheyHaveOptions)
{
    panel.glCheckBox1.Click();
    const auto before = testing_support::Snap(form);
    panel.RadioButton4.Click();
    ExpectCustomModeOver(before);
    EXPECT_EQ(panel.Edit2.Text(), "576");
    EXPECT_EQ(panel.Edit1.Text(), "128");
}

TEST_F(CustomModeTest, WithoutAConnectionTypeWorksOnTheCurrentValues)
{
    const auto before = testing_support::Snap(form);
    panel.RadioButton4.Click();
    ExpectCustomModeOver(before);
    EXPECT_FALSE(panel.CheckedConnectionType());
}

TEST_F(CustomModeTest, ClickedAgainUnlocksAndChecksCustomAgain)
{
    panel.glCheckBox3.Click();
    panel.RadioButton4.Click();
    panel.RadioButton5.Click();  // TTL 32 locks Edit1
    panel.RadioButton16.Click(); // Multiple locks Edit4 and opens the list
    const auto before = testing_support::Snap(form);
    panel.RadioButton4.Click();
    ExpectCustomModeOver(before);
    EXPECT_EQ(panel.Edit1.Text(), "32");
}

TEST_F(CustomModeTest, AutomaticModeWithoutTypeLeavesFieldsOpenUntilATypeIsClicked)
{
    panel.RadioButton4.Click();
    const auto custom = testing_support::Snap(form);
    panel.glCheckBox7.Click();
    const auto changed = testing_support::Changed(custom, testing_support::Snap(form));
    EXPECT_EQ(changed, (std::set<std::string>{"RadioButton4", "glCheckBox7"}));

    panel.glCheckBox2.Click();
    EXPECT_EQ(panel.Edit4.Text(), "8760");
    for (const std::string& name : testing_support::kValueFields)
        EXPECT_FALSE(Field(name).Enabled()) << name;
    EXPECT_TRUE(panel.RadioButton10.Checked());
}

TEST_F(CustomModeTest, AutomaticModeWithTypeReplacesTypedValuesAndLocksFields)
{
    panel.glCheckBox4.Click();
    const auto preset = testing_support::Snap(form);
    panel.RadioButton4.Click();
    panel.Edit2.SetText("1400");
    panel.Edit5.SetText("900");
    panel.Edit6.SetText("2");
    panel.CheckBox7.Click();

    panel.RadioButton3.Click();

    EXPECT_EQ(preset, testing_support::Snap(form));
}

TEST_F(PanelTest, BsdUrgentDataIsNotTheFirstModesOption)
{
    const auto before = testing_support::Snap(form);
    panel.glCheckBox6.Click();
    EXPECT_EQ(testing_support::Changed(before, testing_support::Snap(form)), std::set<std::string>{"glCheckBox6"});
    panel.glCheckBox1.Click();
    panel.glCheckBox7.Click();
    ASSERT_EQ(panel.Edit4.Text(), "4288");
    panel.RadioButton3.Click(); // runs glCheckBox6Click: mode 1 for the checked type
    EXPECT_EQ(panel.Edit4.Text(), "3216");
}

// A view that knows the controls only through the observer ends up with the
// model's state after a busy sequence of clicks, picks, keys and presets.
class Mirror final : public controls::ControlObserver {
public:
    explicit Mirror(testing_support::Snapshot start)
        : state(std::move(start))
    {
    }
    void ControlChanged(controls::Control& control, controls::Property property) override
    {
        const auto now = testing_support::StateOf(control);
        auto& mirrored = state[control.Name()];
        switch (property) {
        case controls::Property::Text:
            mirrored.text = now.text;
            break;
        case controls::Property::Checked:
            mirrored.checked = now.checked;
            break;
        case controls::Property::Enabled:
            mirrored.enabled = now.enabled;
            break;
        case controls::Property::Color:
            mirrored.color = now.color;
            break;
        case controls::Property::ItemIndex:
            mirrored.itemIndex = now.itemIndex;
            break;
        }
    }
    testing_support::Snapshot state;
};

TEST_F(PanelTest, ObservingViewMirrorsEveryChange)
{
    Mirror mirror(testing_support::Snap(form));
    form.AddObserver(mirror);
    panel.glCheckBox1.Click();
    panel.glCheckBox12.Click();
    panel.RadioButton4.Click();
    panel.RadioButton16.Click();
    panel.ComboBox1.Pick(5);
    panel.Edit2.Type('\b');
    panel.Edit2.Type('2');
    panel.CheckBox5.Click();
    panel.glCheckBox5.Click();
    panel.RadioButton3.Click();
    panel.RadioButton8.Click();
    form.RemoveObserver(mirror);
    EXPECT_EQ(mirror.state, testing_support::Snap(form));
    EXPECT_NE(mirror.state.at("Edit4").text, "0");
}

} // namespace
} // namespace ventaro
