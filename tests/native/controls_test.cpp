#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ventaro::controls {
namespace {

// Four options in two containers: A and B share group 1 across containers,
// C is alone in group 2, D is a stand-alone check box.
enum : unsigned { kA = 1, kB = 2, kC = 4, kD = 8 };
enum class Action { Click, Check, Uncheck, ClickDisabled };

struct OptionCase {
    const char* name;
    unsigned initially;
    Action action;
    unsigned target;
    unsigned expected;
    int expectedClicks;
};

void PrintTo(const OptionCase& c, std::ostream* os) { *os << c.name; }

class OptionRuleTest : public testing::TestWithParam<OptionCase> {
protected:
    OptionRuleTest()
    {
        a.SetParent(&left);
        b.SetParent(&right);
        c.SetParent(&left);
        d.SetParent(&right);
        a.SetGroupIndex(1);
        b.SetGroupIndex(1);
        c.SetGroupIndex(2);
        for (auto& [bit, option] : Options()) {
            option->OnClick = [this, option](Control& sender) {
                EXPECT_EQ(&sender, option);
                ++clicks[option];
            };
        }
    }

    std::array<std::pair<unsigned, TglCheckBox*>, 4> Options() { return {{{kA, &a}, {kB, &b}, {kC, &c}, {kD, &d}}}; }

    unsigned CheckedBits()
    {
        unsigned bits = 0;
        for (auto& [bit, option] : Options())
            bits |= option->Checked() ? bit : 0;
        return bits;
    }

    Form form;
    TglGroupBox left{form};
    TglGroupBox right{form};
    TglCheckBox a{form};
    TglCheckBox b{form};
    TglCheckBox c{form};
    TglCheckBox d{form};
    std::map<TglCheckBox*, int> clicks;
};

TEST_P(OptionRuleTest, SettlesAsTheRulesSay)
{
    const OptionCase& tc = GetParam();
    for (auto& [bit, option] : Options()) {
        if (tc.initially & bit)
            option->SetChecked(true);
    }
    ASSERT_EQ(CheckedBits(), tc.initially);
    TglCheckBox* target = nullptr;
    for (auto& [bit, option] : Options()) {
        if (bit == tc.target)
            target = option;
    }
    ASSERT_NE(target, nullptr);

    switch (tc.action) {
    case Action::Click:
        target->Click();
        break;
    case Action::Check:
        target->SetChecked(true);
        break;
    case Action::Uncheck:
        target->SetChecked(false);
        break;
    case Action::ClickDisabled:
        target->SetEnabled(false);
        target->Click();
        break;
    }

    EXPECT_EQ(CheckedBits(), tc.expected);
    EXPECT_EQ(clicks[target], tc.expectedClicks);
    int allClicks = 0;
    for (const auto& [option, count] : clicks)
        allClicks += count;
    EXPECT_EQ(allClicks, tc.expectedClicks) << "a click ran another option's handler";
}

INSTANTIATE_TEST_SUITE_P(Options, OptionRuleTest,
    testing::Values(OptionCase{"ClickUnchecksGroupAcrossContainers", kB | kC, Action::Click, kA, kA | kC, 1},
        OptionCase{"ClickOnCheckedGroupedStaysChecked", kA, Action::Click, kA, kA, 1},
        OptionCase{"ClickChecksStandAlone", kA, Action::Click, kD, kA | kD, 1},
        OptionCase{"ClickUnchecksStandAlone", kD, Action::Click, kD, 0, 1},
        OptionCase{"ClickInOtherGroupLeavesGroupOne", kA, Action::Click, kC, kA | kC, 1},
        OptionCase{"CodeCheckUnchecksGroupWithoutHandler", kB, Action::Check, kA, kA, 0},
        OptionCase{"CodeCheckOfCheckedRunsNothing", kA, Action::Check, kA, kA, 0},
        OptionCase{"CodeUncheckOfGroupedIsIgnored", kA | kC, Action::Uncheck, kA, kA | kC, 0},
        OptionCase{"CodeUncheckOfStandAlone", kD | kA, Action::Uncheck, kD, kA, 0},
        OptionCase{"CodeCheckOfStandAloneLeavesGroups", kB, Action::Check, kD, kB | kD, 0},
        OptionCase{"DisabledTakesNoClick", kB, Action::ClickDisabled, kA, kB, 0},
        OptionCase{"DisabledStandAloneTakesNoClick", 0, Action::ClickDisabled, kD, 0, 0}),
    [](const testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.name); });

TEST(OptionTest, HandlerRunsAfterTheClickCheckedTheOption)
{
    Form form;
    TglCheckBox first{form};
    TglCheckBox second{form};
    first.SetGroupIndex(3);
    second.SetGroupIndex(3);
    second.SetChecked(true);
    bool seenChecked = false;
    bool seenOtherChecked = true;
    first.OnClick = [&](Control&) {
        seenChecked = first.Checked();
        seenOtherChecked = second.Checked();
    };
    first.Click();
    EXPECT_TRUE(seenChecked);
    EXPECT_FALSE(seenOtherChecked);
}

// Records every change a view would see, with the value at that moment.
class Recorder final : public ControlObserver {
public:
    void ControlChanged(Control& control, Property property) override { seen.emplace_back(control.Name(), property); }
    std::vector<std::pair<std::string, Property>> seen;
};

TEST(ObserverTest, SeesEachRealChangeOnceAndBeforeHandlers)
{
    Form form;
    Recorder recorder;
    form.AddObserver(recorder);
    form.AddObserver(recorder); // a second registration is not a second observer
    TglCheckBox a{form};
    TglCheckBox b{form};
    TEdit edit{form};
    a.SetName("a");
    b.SetName("b");
    edit.SetName("edit");
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    b.SetChecked(true);
    a.OnClick = [&](Control&) { edit.SetText("clicked"); };
    recorder.seen.clear();

    a.Click();
    a.SetChecked(true);    // no change
    edit.SetEnabled(true); // no change
    edit.SetEnabled(false);
    edit.SetColor(Color::clBtnFace);
    edit.SetColor(Color::clBtnFace); // no change

    const std::vector<std::pair<std::string, Property>> expected{{"b", Property::Checked}, {"a", Property::Checked},
        {"edit", Property::Text}, {"edit", Property::Enabled}, {"edit", Property::Color}};
    EXPECT_EQ(recorder.seen, expected);

    form.RemoveObserver(recorder);
    edit.SetText("unseen");
    EXPECT_EQ(recorder.seen.size(), expected.size());
}

TEST(FormTest, FindsControlsByNameAndForgetsDestroyedOnes)
{
    Form form;
    TEdit edit{form};
    edit.SetName("Edit1");
    {
        TComboBox list{form};
        list.SetName("ComboBox1");
        EXPECT_EQ(form.Find("ComboBox1"), &list);
        EXPECT_EQ(form.Find<TComboBox>("ComboBox1"), &list);
        EXPECT_EQ(form.Find<TEdit>("ComboBox1"), nullptr);
    }
    EXPECT_EQ(form.Find("ComboBox1"), nullptr);
    EXPECT_EQ(form.Find<TEdit>("Edit1"), &edit);
    EXPECT_EQ(form.Controls().size(), 1u);
}

struct TextCase {
    const char* before;
    const char* after;
    int expectedChanges;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.before << "\" to \"" << c.after << '"'; }

class EditTextTest : public testing::TestWithParam<TextCase> { };

TEST_P(EditTextTest, ChangeHandlerRunsOnlyForADifferentText)
{
    const TextCase& tc = GetParam();
    Form form;
    TEdit edit{form};
    edit.SetText(tc.before);
    int changes = 0;
    std::string seen;
    edit.OnChange = [&](Control&) {
        ++changes;
        seen = edit.Text();
    };
    edit.SetText(tc.after);
    EXPECT_EQ(edit.Text(), tc.after);
    EXPECT_EQ(changes, tc.expectedChanges);
    if (changes) {
        EXPECT_EQ(seen, tc.after) << "the handler must see the new text";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, EditTextTest,
    testing::Values(TextCase{"0", "0", 0}, TextCase{"0", "576", 1}, TextCase{"576", "", 1}, TextCase{"", "", 0},
        TextCase{"64", " 64", 1}, TextCase{"a", "A", 1}));

struct KeyCase {
    const char* before;
    char key;
    const char* after;
    int expectedChanges;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << '"' << c.before << "\" key " << static_cast<int>(c.key); }

class EditTypingTest : public testing::TestWithParam<KeyCase> { };

// The filter here discards 'q' and turns '-' into '+', to show both verdicts.
TEST_P(EditTypingTest, FiltersThenEditsThenNotifies)
{
    const KeyCase& tc = GetParam();
    Form form;
    TEdit edit{form};
    edit.SetText(tc.before);
    std::vector<char> filtered;
    edit.OnKeyPress = [&](Control&, char& key) {
        filtered.push_back(key);
        if (key == 'q')
            key = '\0';
        else if (key == '-')
            key = '+';
    };
    int changes = 0;
    edit.OnChange = [&](Control&) { ++changes; };
    edit.Type(tc.key);
    EXPECT_EQ(edit.Text(), tc.after);
    EXPECT_EQ(changes, tc.expectedChanges);
    EXPECT_EQ(filtered, std::vector<char>{tc.key}) << "the filter sees every key once";
}

INSTANTIATE_TEST_SUITE_P(Keys, EditTypingTest,
    testing::Values(KeyCase{"14", '9', "149", 1}, KeyCase{"14", 'q', "14", 0}, KeyCase{"14", '-', "14+", 1},
        KeyCase{"149", '\b', "14", 1}, KeyCase{"", '\b', "", 0}, KeyCase{"14", '\r', "14", 0},
        KeyCase{"14", ' ', "14 ", 1}));

TEST(EditTest, DisabledFieldTakesNoKeysButCodeStillSetsIt)
{
    Form form;
    TEdit edit{form};
    edit.SetText("1");
    edit.SetEnabled(false);
    int changes = 0;
    edit.OnChange = [&](Control&) { ++changes; };
    edit.Type('2');
    EXPECT_EQ(edit.Text(), "1");
    edit.SetText("12");
    EXPECT_EQ(changes, 1);
}

TEST(EditTest, FilterKeyOnlyReportsTheVerdict)
{
    Form form;
    TEdit edit{form};
    edit.OnKeyPress = [](Control&, char& key) { key = key == 'x' ? '\0' : key; };
    EXPECT_EQ(edit.FilterKey('x'), '\0');
    EXPECT_EQ(edit.FilterKey('7'), '7');
    EXPECT_EQ(edit.Text(), "");
}

class ComboBoxTest : public testing::Test {
protected:
    ComboBoxTest()
    {
        list.SetName("list");
        list.SetItems({"x4", "x6", "x8"});
        list.OnChange = [this](Control&) { picks.push_back(list.ItemIndex()); };
    }
    Form form;
    TComboBox list{form};
    std::vector<int> picks;
};

TEST_F(ComboBoxTest, SelectionFromCodeRunsNothing)
{
    list.SetItemIndex(2);
    list.SetItemIndex(TComboBox::kNoItem);
    list.SetItemIndex(0);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_TRUE(picks.empty());
}

TEST_F(ComboBoxTest, EveryPickRunsTheHandlerWithTheNewSelection)
{
    list.Pick(1);
    list.Pick(1);
    list.Pick(2);
    EXPECT_EQ(picks, (std::vector<int>{1, 1, 2}));
}

TEST_F(ComboBoxTest, DisabledListTakesNoPick)
{
    list.SetEnabled(false);
    list.Pick(1);
    EXPECT_EQ(list.ItemIndex(), TComboBox::kNoItem);
    EXPECT_TRUE(picks.empty());
}

TEST_F(ComboBoxTest, RefusesIndexesOutsideTheList)
{
    EXPECT_THROW(list.SetItemIndex(3), std::out_of_range);
    EXPECT_THROW(list.SetItemIndex(-2), std::out_of_range);
    EXPECT_THROW(list.Pick(TComboBox::kNoItem), std::out_of_range);
    EXPECT_EQ(list.ItemIndex(), TComboBox::kNoItem);
    EXPECT_TRUE(picks.empty());
}

} // namespace
} // namespace ventaro::controls
