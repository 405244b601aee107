#include "panel_test_support.h"

#include "settings/receive_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace ventaro {
namespace {

using controls::Color;
using controls::TComboBox;
using testing_support::ControlState;
using testing_support::PanelTest;

constexpr int kNoItem = TComboBox::kNoItem;

TEST_F(PanelTest, StartsWithAutomaticMode1AndLockedZeroFields)
{
    EXPECT_EQ(CheckedAmong(testing_support::kMethodOptions), std::vector<std::string>{"RadioButton3"});
    EXPECT_EQ(panel.CheckedMethod(), OptimizationMethod::AutomaticMode1);
    EXPECT_FALSE(panel.CheckedConnectionType());
    for (const auto* group : {&testing_support::kConnectionOptions, &testing_support::kMtuOptions,
             &testing_support::kReceiveWindowOptions, &testing_support::kNdiOptions, &testing_support::kTtlOptions,
             &testing_support::kKeepAliveOptions, &testing_support::kStandAloneOptions}) {
        EXPECT_TRUE(CheckedAmong(*group).empty()) << (*group)[0];
        for (const std::string& name : *group)
            EXPECT_TRUE(Option(name).Enabled()) << name;
    }
    for (const std::string& name : testing_support::kValueFields) {
        EXPECT_EQ(Field(name).Text(), "0") << name;
        EXPECT_FALSE(Field(name).Enabled()) << name;
        EXPECT_EQ(Field(name).GetColor(), Color::clBtnFace) << name;
    }
    EXPECT_FALSE(panel.ComboBox1.Enabled());
    EXPECT_EQ(panel.ComboBox1.GetColor(), Color::clBtnFace);
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), kNoItem);
    EXPECT_EQ(panel.ComboBox1.Items(), (std::vector<std::string>{"x4", "x6", "x8", "x10", "x12", "x14", "x16"}));
    EXPECT_TRUE(panel.glGroupBox10.Enabled());
}

// Clicking each option leaves exactly one checked in its own group and no
// other option changed: the group indexes separate the groups.
TEST_F(PanelTest, EachRadioGroupIsSeparate)
{
    const std::vector<const std::vector<std::string>*> groups{&testing_support::kConnectionOptions,
        &testing_support::kMethodOptions, &testing_support::kMtuOptions, &testing_support::kReceiveWindowOptions,
        &testing_support::kNdiOptions, &testing_support::kTtlOptions, &testing_support::kKeepAliveOptions};
    for (const auto* group : groups) {
        for (const std::string& name : *group) {
            const auto before = testing_support::Snap(form);
            Option(name).SetChecked(true);
            EXPECT_EQ(CheckedAmong(*group), std::vector<std::string>{name});
            for (const std::string& changed : testing_support::Changed(before, testing_support::Snap(form))) {
                EXPECT_TRUE(std::find(group->begin(), group->end(), changed) != group->end())
                    << "checking " << name << " changed " << changed;
            }
        }
    }
}

TEST_F(PanelTest, StandAloneOptionsToggleOnTheirOwn)
{
    for (const std::string& name : testing_support::kStandAloneOptions) {
        const auto before = testing_support::Snap(form);
        Option(name).Click();
        EXPECT_EQ(testing_support::Changed(before, testing_support::Snap(form)), std::set<std::string>{name});
        EXPECT_TRUE(Option(name).Checked());
        Option(name).Click();
        EXPECT_FALSE(Option(name).Checked());
    }
}

struct FieldCase {
    const char* field;
    const char* text;
    const char* option;
    int comboItem; // for Edit4
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.field << " \"" << c.text << "\""; }

class FieldChangeTest : public PanelTest, public testing::WithParamInterface<FieldCase> { };

// The fields are unlocked first: a click handler running by mistake would lock one again.
TEST_P(FieldChangeTest, ChecksTheMatchingOptionOnly)
{
    const FieldCase& tc = GetParam();
    for (const std::string& name : testing_support::kValueFields)
        SettingsPanel::EnableField(Field(name), true);
    const auto before = testing_support::Snap(form);

    Field(tc.field).SetText(tc.text);

    EXPECT_TRUE(Option(tc.option).Checked());
    const auto after = testing_support::Snap(form);
    for (const std::string& name : testing_support::Changed(before, after)) {
        EXPECT_EQ(after.at(name).enabled, before.at(name).enabled) << name;
        EXPECT_EQ(after.at(name).color, before.at(name).color) << name;
        if (name != tc.field) {
            EXPECT_EQ(after.at(name).text, before.at(name).text) << name;
        }
    }
    if (std::string(tc.field) == "Edit4") {
        EXPECT_EQ(panel.ComboBox1.ItemIndex(), tc.comboItem);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldChangeTest,
    testing::Values(FieldCase{"Edit1", "32", "RadioButton5", 0}, FieldCase{"Edit1", "64", "RadioButton6", 0},
        FieldCase{"Edit1", "128", "RadioButton7", 0}, FieldCase{"Edit1", "127", "RadioButton8", 0},
        FieldCase{"Edit1", "", "RadioButton8", 0}, FieldCase{"Edit1", "  $40", "RadioButton6", 0},
        FieldCase{"Edit1", "64 ", "RadioButton8", 0}, FieldCase{"Edit1", "x80", "RadioButton8", 0},
        FieldCase{"Edit2", "576", "RadioButton9", 0}, FieldCase{"Edit2", "1500", "RadioButton10", 0},
        FieldCase{"Edit2", "0x5DC", "RadioButton10", 0}, FieldCase{"Edit2", "1492", "RadioButton11", 0},
        FieldCase{"Edit2", "", "RadioButton11", 0}, FieldCase{"Edit2", "15x0", "RadioButton11", 0},
        FieldCase{"Edit3", "", "RadioButton12", 0}, FieldCase{"Edit3", "-0", "RadioButton12", 0},
        FieldCase{"Edit3", "abc", "RadioButton12", 0}, FieldCase{"Edit3", "16", "RadioButton13", 0},
        FieldCase{"Edit3", "+32", "RadioButton14", 0}, FieldCase{"Edit3", "64", "RadioButton15", 0},
        FieldCase{"Edit3", "99999999999999999999", "RadioButton12", 0}, FieldCase{"Edit4", "2144", "RadioButton16", 0},
        FieldCase{"Edit4", "5840", "RadioButton16", 0}, FieldCase{"Edit4", "4288", "RadioButton16", 2},
        FieldCase{"Edit4", "14600", "RadioButton16", 3}, FieldCase{"Edit4", "8576", "RadioButton16", 6},
        FieldCase{"Edit4", "23360", "RadioButton16", 6}, FieldCase{"Edit4", "5808", "RadioButton17", kNoItem},
        FieldCase{"Edit4", "64240", "RadioButton17", kNoItem}, FieldCase{"Edit4", "", "RadioButton17", kNoItem},
        FieldCase{"Edit5", "600", "RadioButton18", 0}, FieldCase{"Edit5", "$258", "RadioButton18", 0},
        FieldCase{"Edit5", "3600", "RadioButton19", 0}, FieldCase{"Edit5", "", "RadioButton19", 0}));

TEST_F(PanelTest, UnknownReceiveWindowLeavesTheSelectedMultiple)
{
    panel.ComboBox1.SetItemIndex(4);
    panel.Edit4.SetText("64240");
    EXPECT_TRUE(panel.RadioButton17.Checked());
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), 4);
}

struct ValueOptionCase {
    const char* option;
    const char* field;
    const char* expectedText; // the field starts at "77"
    bool fieldEnabled;
    int listEnabled; // -1: the list is not touched
};

void PrintTo(const ValueOptionCase& c, std::ostream* os) { *os << c.option; }

class ValueOptionTest : public PanelTest, public testing::WithParamInterface<ValueOptionCase> { };

TEST_P(ValueOptionTest, WritesAndLocksOrUnlocksItsField)
{
    const ValueOptionCase& tc = GetParam();
    controls::TEdit& field = Field(tc.field);
    field.SetText("77");
    SettingsPanel::EnableField(field, !tc.fieldEnabled);
    SettingsPanel::EnableField(panel.ComboBox1, tc.listEnabled != 1);

    Option(tc.option).Click();

    EXPECT_TRUE(Option(tc.option).Checked());
    EXPECT_EQ(field.Text(), tc.expectedText);
    EXPECT_EQ(field.Enabled(), tc.fieldEnabled);
    EXPECT_EQ(field.GetColor(), tc.fieldEnabled ? Color::clWindow : Color::clBtnFace);
    if (tc.listEnabled >= 0) {
        EXPECT_EQ(panel.ComboBox1.Enabled(), tc.listEnabled == 1);
        EXPECT_EQ(panel.ComboBox1.GetColor(), tc.listEnabled == 1 ? Color::clWindow : Color::clBtnFace);
    } else {
        EXPECT_TRUE(panel.ComboBox1.Enabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Options, ValueOptionTest,
    testing::Values(ValueOptionCase{"RadioButton5", "Edit1", "32", false, -1},
        ValueOptionCase{"RadioButton6", "Edit1", "64", false, -1},
        ValueOptionCase{"RadioButton7", "Edit1", "128", false, -1},
        ValueOptionCase{"RadioButton8", "Edit1", "77", true, -1},
        ValueOptionCase{"RadioButton9", "Edit2", "576", false, -1},
        ValueOptionCase{"RadioButton10", "Edit2", "1500", false, -1},
        ValueOptionCase{"RadioButton11", "Edit2", "77", true, -1},
        ValueOptionCase{"RadioButton12", "Edit3", "0", false, -1},
        ValueOptionCase{"RadioButton13", "Edit3", "16", false, -1},
        ValueOptionCase{"RadioButton14", "Edit3", "32", false, -1},
        ValueOptionCase{"RadioButton15", "Edit3", "77", true, -1},
        ValueOptionCase{"RadioButton16", "Edit4", "77", false, 1},
        ValueOptionCase{"RadioButton17", "Edit4", "77", true, 0},
        ValueOptionCase{"RadioButton18", "Edit5", "600", false, -1},
        ValueOptionCase{"RadioButton19", "Edit5", "77", true, -1}));

TEST_F(PanelTest, DialUpMtuOptionAlsoRecalculatesTheReceiveWindow)
{
    panel.ComboBox1.SetItemIndex(2); // x8
    panel.RadioButton9.Click();
    EXPECT_EQ(panel.Edit4.Text(), "4288");
    EXPECT_TRUE(panel.RadioButton16.Checked());
}

TEST_F(PanelTest, TtlCustomKeepsTheTextAndSixtyFourLocksIt)
{
    panel.Edit1.SetText("80");
    panel.RadioButton8.Click();
    EXPECT_EQ(panel.Edit1.Text(), "80");
    EXPECT_TRUE(panel.Edit1.Enabled());
    EXPECT_EQ(panel.Edit1.GetColor(), Color::clWindow);
    panel.RadioButton6.Click();
    EXPECT_EQ(panel.Edit1.Text(), "64");
    EXPECT_FALSE(panel.Edit1.Enabled());
    EXPECT_EQ(panel.Edit1.GetColor(), Color::clBtnFace);
    EXPECT_TRUE(panel.RadioButton6.Checked());
}

struct MtuCase {
    const char* name;
    int item;
    const char* mtu; // written after an MTU of 1500
    const char* receiveWindow;
    const char* receiveWindowOption;
    const char* mtuOption;
};

void PrintTo(const MtuCase& c, std::ostream* os) { *os << c.name; }

class ReceiveWindowTest : public PanelTest, public testing::WithParamInterface<MtuCase> { };

TEST_P(ReceiveWindowTest, FollowsTheMtuWhileAMultipleIsSelected)
{
    const MtuCase& tc = GetParam();
    SettingsPanel::EnableField(panel.ComboBox1, true);
    panel.ComboBox1.SetItemIndex(tc.item);
    panel.Edit2.SetText("1500");
    ASSERT_EQ(panel.Edit4.Text(), std::to_string(1460 * kReceiveWindowMultiples[tc.item].factor));

    panel.Edit2.SetText(tc.mtu);

    EXPECT_EQ(panel.Edit4.Text(), tc.receiveWindow);
    EXPECT_TRUE(Option(tc.receiveWindowOption).Checked());
    EXPECT_TRUE(Option(tc.mtuOption).Checked());
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), tc.item) << "the selected multiple stays";
    EXPECT_TRUE(panel.ComboBox1.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Mtus, ReceiveWindowTest,
    testing::Values(MtuCase{"Pppoe1492", 0, "1492", "5808", "RadioButton17", "RadioButton11"},
        MtuCase{"Empty", 0, "", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"Zero", 3, "0", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"One", 3, "1", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"Forty", 3, "40", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"FortyOne", 3, "41", "10", "RadioButton17", "RadioButton11"},
        MtuCase{"Negative", 3, "-576", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"Smallest", 6, "-9223372036854775808", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"NotANumber", 3, "15x0", "0", "RadioButton17", "RadioButton11"},
        MtuCase{"DialUp", 2, "576", "4288", "RadioButton16", "RadioButton9"},
        MtuCase{"HexLan", 6, "$5DC", "23360", "RadioButton16", "RadioButton10"},
        MtuCase{"Largest", 0, "9223372036854775807", "9223372036854775807", "RadioButton17", "RadioButton11"},
        MtuCase{
            "ProductBeyond64Bits", 6, "1152921504606846976", "9223372036854775807", "RadioButton17", "RadioButton11"},
        MtuCase{"ProductJustFits", 0, "2305843009213693991", "9223372036854775804", "RadioButton17", "RadioButton11"}),
    [](const testing::TestParamInfo<MtuCase>& info) { return std::string(info.param.name); });

TEST_F(PanelTest, WithoutASelectedMultipleTheMtuLeavesTheReceiveWindow)
{
    panel.Edit4.SetText("64240");
    panel.Edit2.SetText("576");
    EXPECT_EQ(panel.Edit4.Text(), "64240");
    EXPECT_TRUE(panel.RadioButton9.Checked());
    EXPECT_TRUE(panel.RadioButton17.Checked());
}

struct PickCase {
    int item;
    const char* mtu;
    const char* receiveWindow;
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << "item " << c.item << " MTU " << c.mtu; }

class MultiplePickTest : public PanelTest, public testing::WithParamInterface<PickCase> { };

TEST_P(MultiplePickTest, PickedMultipleSetsTheReceiveWindowAndKeepsMultiple)
{
    const PickCase& tc = GetParam();
    panel.Edit2.SetText(tc.mtu);
    panel.RadioButton16.Click();
    panel.ComboBox1.Pick(tc.item);
    EXPECT_EQ(panel.Edit4.Text(), tc.receiveWindow);
    EXPECT_TRUE(panel.RadioButton16.Checked());
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), tc.item);
}

INSTANTIATE_TEST_SUITE_P(Items, MultiplePickTest,
    testing::Values(PickCase{0, "576", "2144"}, PickCase{1, "576", "3216"}, PickCase{2, "576", "4288"},
        PickCase{3, "576", "5360"}, PickCase{4, "576", "6432"}, PickCase{5, "576", "7504"}, PickCase{6, "576", "8576"},
        PickCase{0, "1500", "5840"}, PickCase{1, "1500", "8760"}, PickCase{2, "1500", "11680"},
        PickCase{3, "1500", "14600"}, PickCase{4, "1500", "17520"}, PickCase{5, "1500", "20440"},
        PickCase{6, "1500", "23360"}));

TEST_F(PanelTest, PickOfAMultipleWithAnOddMtuChecksCustom)
{
    panel.Edit2.SetText("1492");
    panel.RadioButton16.Click();
    panel.ComboBox1.Pick(0);
    EXPECT_EQ(panel.Edit4.Text(), "5808");
    EXPECT_TRUE(panel.RadioButton17.Checked());
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), 0);
}

TEST_F(PanelTest, MultipleOptionLeavesATypedReceiveWindowUntilAPick)
{
    panel.Edit2.SetText("1500");
    panel.RadioButton17.Click();
    panel.Edit4.SetText("64240");
    panel.ComboBox1.SetItemIndex(6);
    panel.RadioButton16.Click();
    EXPECT_EQ(panel.Edit4.Text(), "64240");
    EXPECT_TRUE(panel.ComboBox1.Enabled());
    panel.ComboBox1.Pick(6);
    EXPECT_EQ(panel.Edit4.Text(), "23360");
    EXPECT_TRUE(panel.RadioButton16.Checked());
}

TEST_F(PanelTest, UpdateReceiveWindowUsesTheMtuField)
{
    panel.Edit2.SetText("1500");
    panel.UpdateReceiveWindow(10);
    EXPECT_EQ(panel.Edit4.Text(), "14600");
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), 3);
    EXPECT_TRUE(panel.RadioButton16.Checked());
}

struct KeyCase {
    char key;
    char passed;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << "key " << static_cast<int>(c.key); }

class MtuKeyFilterTest : public PanelTest, public testing::WithParamInterface<KeyCase> { };

TEST_P(MtuKeyFilterTest, DiscardsLowercaseLettersOnly)
{
    const KeyCase& tc = GetParam();
    char key = tc.key;
    panel.Edit2KeyPress(panel.Edit2, key);
    EXPECT_EQ(key, tc.passed);
    EXPECT_EQ(panel.Edit2.FilterKey(tc.key), tc.passed) << "the filter is bound to Edit2";
}

INSTANTIATE_TEST_SUITE_P(Keys, MtuKeyFilterTest,
    testing::Values(KeyCase{'a', '\0'}, KeyCase{'m', '\0'}, KeyCase{'x', '\0'}, KeyCase{'z', '\0'}, KeyCase{'`', '`'},
        KeyCase{'{', '{'}, KeyCase{'A', 'A'}, KeyCase{'Z', 'Z'}, KeyCase{'0', '0'}, KeyCase{'9', '9'},
        KeyCase{'$', '$'}, KeyCase{'-', '-'}, KeyCase{'\b', '\b'}, KeyCase{' ', ' '}));

TEST_F(PanelTest, OnlyTheMtuFieldFiltersKeys)
{
    SettingsPanel::EnableField(panel.Edit1, true);
    panel.Edit1.SetText("");
    panel.Edit1.Type('a');
    EXPECT_EQ(panel.Edit1.Text(), "a");
}

class TypedMtuTest : public PanelTest {
protected:
    void SetUp() override
    {
        panel.ComboBox1.SetItemIndex(0); // x4
        panel.RadioButton11.Click();
        panel.Edit2.SetText("");
    }
    void TypeText(const std::string& keys)
    {
        for (const char key : keys)
            panel.Edit2.Type(key);
    }
};

TEST_F(TypedMtuTest, Typing1492WithX4GivesACustomReceiveWindow)
{
    TypeText("1492");
    EXPECT_EQ(panel.Edit2.Text(), "1492");
    EXPECT_EQ(panel.Edit4.Text(), "5808");
    EXPECT_TRUE(panel.RadioButton17.Checked());
    EXPECT_TRUE(panel.RadioButton11.Checked());
    EXPECT_EQ(panel.ComboBox1.ItemIndex(), 0);
    EXPECT_FALSE(panel.ComboBox1.Enabled());
}

TEST_F(TypedMtuTest, LowercaseLetterChangesNothing)
{
    TypeText("1500");
    const auto before = testing_support::Snap(form);
    TypeText("a");
    EXPECT_TRUE(testing_support::Changed(before, testing_support::Snap(form)).empty());
}

TEST_F(TypedMtuTest, CapitalLetterIsTypedAndTheMtuCountsAsZero)
{
    TypeText("1500");
    ASSERT_EQ(panel.Edit4.Text(), "5840");
    TypeText("A");
    EXPECT_EQ(panel.Edit2.Text(), "1500A");
    EXPECT_EQ(panel.Edit4.Text(), "0");
    EXPECT_TRUE(panel.RadioButton11.Checked());
    EXPECT_TRUE(panel.RadioButton17.Checked());
}

TEST_F(TypedMtuTest, BackspaceRecalculates)
{
    TypeText("5766");
    TypeText("\b");
    EXPECT_EQ(panel.Edit2.Text(), "576");
    EXPECT_EQ(panel.Edit4.Text(), "2144");
    EXPECT_TRUE(panel.RadioButton9.Checked());
    EXPECT_TRUE(panel.RadioButton16.Checked());
}

} // namespace
} // namespace ventaro
