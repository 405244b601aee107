// The panel's controls as data: names, captions, hints, groups, places and
// handlers. The constructor walks these tables and then sets the initial state.
#include "settings/receive_window.h"
#include "settings/settings_panel.h"

#include <functional>
#include <string>
#include <vector>

namespace ventaro {
namespace {

using controls::Bounds;
using controls::Control;
using controls::TEdit;
using controls::TglCheckBox;
using controls::TglGroupBox;
using controls::TLabel;
using P = SettingsPanel;
using ClickHandler = void (P::*)(Control&);

// Where a parent is nullptr the control sits directly on Panel2.
struct GroupBoxRow {
    TglGroupBox P::*box;
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    TglGroupBox P::*parent;
    Bounds bounds;
};

constexpr GroupBoxRow kGroupBoxes[] = {
    {&P::glGroupBox1, "glGroupBox1", "Connection Type", "Choose a connection type", nullptr, {0, 0, 133, 252}},
    {&P::glGroupBox2, "glGroupBox2", "Optimization Methods", "Choose an optimization method", &P::glGroupBox1,
        {2, 160, 129, 90}},
    {&P::glGroupBox3, "glGroupBox3", "Maximum Transmission Unit ", "Maximum Transmission Unit", nullptr,
        {137, 0, 146, 80}},
    {&P::glGroupBox6, "glGroupBox6", "Time To Live (TTL) ", "Time to Live", nullptr, {137, 84, 146, 74}},
    {&P::glGroupBox5, "glGroupBox5", "Cache Size (NDI)", "Cache Size", nullptr, {137, 161, 146, 65}},
    {&P::glGroupBox4, "glGroupBox4", "Receive Window (RWIN)", "Receive Window", nullptr, {287, 0, 146, 80}},
    {&P::glGroupBox7, "glGroupBox7", "Session Keep Alive (SKA) ", "Session Keep Alive", nullptr, {287, 84, 146, 74}},
    {&P::glGroupBox8, "glGroupBox8", "Path to MTU", "Path to MTU", nullptr, {287, 161, 146, 65}},
    {&P::glGroupBox9, "glGroupBox9", "Extra Settings", "", nullptr, {437, 0, 152, 158}},
    {&P::glGroupBox10, "glGroupBox10", "Internet Explorer Optimization", "Internet Explorer Optimization", nullptr,
        {437, 161, 152, 64}},
};

enum Look : unsigned { kPlain = 0, kBold = 1, kHand = 2 };

struct OptionRow {
    TglCheckBox P::*option;
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    int groupIndex;
    TglGroupBox P::*parent;
    Bounds bounds;
    unsigned look;
    ClickHandler click;
};

// Group indexes: the radio groups of the window.
constexpr int kConnectionGroup = 1;
constexpr int kMethodGroup = 2;
constexpr int kMtuGroup = 4;
constexpr int kReceiveWindowGroup = 5;
constexpr int kNdiGroup = 6;
constexpr int kTtlGroup = 7;
constexpr int kKeepAliveGroup = 8;

constexpr OptionRow kOptions[] = {
    {&P::glCheckBox1, "glCheckBox1", "MODEM (Dial -Up)", "Select Modem (Dial-Up) connection for optimization",
        kConnectionGroup, &P::glGroupBox1, {3, 18, 129, 20}, kBold | kHand, &P::glCheckBox1Click},
    {&P::glCheckBox2, "glCheckBox2", "ISDN", "Select ISDN connection for optimization", kConnectionGroup,
        &P::glGroupBox1, {3, 44, 129, 20}, kBold | kHand, &P::glCheckBox2Click},
    {&P::glCheckBox3, "glCheckBox3", "CABLE / DSL", "Select CABLE / DSL  connection for optimization", kConnectionGroup,
        &P::glGroupBox1, {3, 70, 129, 20}, kBold | kHand, &P::glCheckBox3Click},
    {&P::glCheckBox4, "glCheckBox4", "DSL (PPPoE)", "Select DSL (PPPoE) connection for optimization", kConnectionGroup,
        &P::glGroupBox1, {3, 96, 129, 20}, kBold | kHand, &P::glCheckBox4Click},
    {&P::glCheckBox5, "glCheckBox5", "EXTREME", "Select Extreme (T1 or greater) connection for optimization",
        kConnectionGroup, &P::glGroupBox1, {3, 122, 129, 20}, kBold | kHand, &P::glCheckBox5Click},

    {&P::RadioButton3, "RadioButton3", " Automatic Mode 1", "Select Automatic optimization method (Recommended)",
        kMethodGroup, &P::glGroupBox2, {8, 16, 115, 17}, kHand, &P::glCheckBox6Click},
    {&P::glCheckBox7, "glCheckBox7", " Automatic mode 2", "", kMethodGroup, &P::glGroupBox2, {8, 34, 115, 17}, kHand,
        &P::glCheckBox7Click},
    {&P::glCheckBox12, "glCheckBox12", " Automatic mode 3", "", kMethodGroup, &P::glGroupBox2, {8, 52, 115, 17}, kHand,
        &P::glCheckBox12Click},
    {&P::RadioButton4, "RadioButton4", " Custom Mode", "Select Custom optimization method", kMethodGroup,
        &P::glGroupBox2, {8, 70, 115, 17}, kHand, &P::RadioButton4Click},

    {&P::RadioButton9, "RadioButton9", " 576 (Dial-UP)", "", kMtuGroup, &P::glGroupBox3, {8, 16, 130, 17}, kPlain,
        &P::RadioButton9Click},
    {&P::RadioButton10, "RadioButton10", " 1500 (LAN)", "", kMtuGroup, &P::glGroupBox3, {8, 35, 130, 17}, kPlain,
        &P::RadioButton10Click},
    {&P::RadioButton11, "RadioButton11", " Custom", "", kMtuGroup, &P::glGroupBox3, {8, 55, 66, 17}, kPlain,
        &P::RadioButton11Click},

    {&P::RadioButton5, "RadioButton5", " 32", "", kTtlGroup, &P::glGroupBox6, {8, 18, 40, 17}, kPlain,
        &P::RadioButton5Click},
    {&P::RadioButton6, "RadioButton6", " 64", "", kTtlGroup, &P::glGroupBox6, {50, 18, 40, 17}, kPlain,
        &P::RadioButton6Click},
    {&P::RadioButton7, "RadioButton7", " 128", "", kTtlGroup, &P::glGroupBox6, {92, 18, 46, 17}, kPlain,
        &P::RadioButton7Click},
    {&P::RadioButton8, "RadioButton8", " Custom", "", kTtlGroup, &P::glGroupBox6, {8, 45, 66, 17}, kPlain,
        &P::RadioButton8Click},

    {&P::RadioButton12, "RadioButton12", " 0", "", kNdiGroup, &P::glGroupBox5, {8, 16, 40, 17}, kPlain,
        &P::RadioButton12Click},
    {&P::RadioButton13, "RadioButton13", " 16", "", kNdiGroup, &P::glGroupBox5, {50, 16, 40, 17}, kPlain,
        &P::RadioButton13Click},
    {&P::RadioButton14, "RadioButton14", " 32", "", kNdiGroup, &P::glGroupBox5, {92, 16, 46, 17}, kPlain,
        &P::RadioButton14Click},
    {&P::RadioButton15, "RadioButton15", " Custom", "", kNdiGroup, &P::glGroupBox5, {8, 40, 66, 17}, kPlain,
        &P::RadioButton15Click},

    {&P::RadioButton16, "RadioButton16", " Multiple", "", kReceiveWindowGroup, &P::glGroupBox4, {8, 20, 70, 17}, kPlain,
        &P::RadioButton16Click},
    {&P::RadioButton17, "RadioButton17", " Custom", "", kReceiveWindowGroup, &P::glGroupBox4, {8, 50, 70, 17}, kPlain,
        &P::RadioButton17Click},

    {&P::RadioButton18, "RadioButton18", " Default (600 seconds)", "", kKeepAliveGroup, &P::glGroupBox7,
        {8, 18, 134, 17}, kPlain, &P::RadioButton18Click},
    {&P::RadioButton19, "RadioButton19", " Custom:", "", kKeepAliveGroup, &P::glGroupBox7, {8, 45, 66, 17}, kPlain,
        &P::RadioButton19Click},

    {&P::CheckBox1, "CheckBox1", " Black Hole Detect", "", 0, &P::glGroupBox8, {8, 18, 134, 17}, kPlain, nullptr},
    {&P::CheckBox2, "CheckBox2", " Auto Discovery", "", 0, &P::glGroupBox8, {8, 40, 134, 17}, kPlain, nullptr},
    {&P::CheckBox3, "CheckBox3", " SlowNet Option Enabled ",
        "This will reduce timeouts. Recommended checked for modems.", 0, &P::glGroupBox9, {6, 16, 144, 17}, kPlain,
        nullptr},
    {&P::CheckBox4, "CheckBox4", " SACK Options Enabled",
        "Enable Selective Acknowledgements. Recommended always checked", 0, &P::glGroupBox9, {6, 35, 144, 17}, kPlain,
        nullptr},
    {&P::CheckBox5, "CheckBox5", " Max DupAcks Enabled",
        "Reduce Duplicate Acknowledgement. Recommended unchecked for modem, checked for all others.", 0,
        &P::glGroupBox9, {6, 54, 144, 17}, kPlain, nullptr},
    {&P::CheckBox6, "CheckBox6", " Optimize  COM ports",
        "Increase the speed of communication ports. Recommended always checked.", 0, &P::glGroupBox9, {6, 73, 144, 17},
        kPlain, nullptr},
    {&P::CheckBox7, "CheckBox7", " Large Window Scaling", "Recommended unchecked for modems, checked for all others.",
        0, &P::glGroupBox9, {6, 92, 144, 17}, kPlain, nullptr},
    {&P::CheckBox8, "CheckBox8", " Optimize ComBuffer Value",
        "Optimize the buffer value of communication ports. Recommended checked for modems only.", 0, &P::glGroupBox9,
        {6, 111, 144, 17}, kPlain, nullptr},
    {&P::CheckBox9, "CheckBox9", " Optimize VCache Value",
        "Optimize the Vcache value. Recommended checked for modems only.", 0, &P::glGroupBox9, {6, 130, 144, 17},
        kPlain, nullptr},

    {&P::glCheckBox6, "glCheckBox6", " BSD Urgent Data", "", 0, nullptr, {138, 232, 110, 17}, kPlain, nullptr},
    {&P::glCheckBox8, "glCheckBox8", " Optimize Max Connect Value", "", 0, nullptr, {251, 232, 160, 17}, kPlain,
        nullptr},
    {&P::glCheckBox9, "glCheckBox9", " Optimize the Max Socket Value", "", 0, nullptr, {415, 232, 172, 17}, kPlain,
        nullptr},
};

struct EditRow {
    TEdit P::*edit;
    std::string_view name;
    TglGroupBox P::*parent;
    Bounds bounds;
    ClickHandler change;
};

constexpr EditRow kEdits[] = {
    {&P::Edit1, "Edit1", &P::glGroupBox6, {76, 43, 62, 21}, &P::Edit1Change},
    {&P::Edit2, "Edit2", &P::glGroupBox3, {76, 53, 62, 21}, &P::Edit2Change},
    {&P::Edit3, "Edit3", &P::glGroupBox5, {76, 38, 62, 21}, &P::Edit3Change},
    {&P::Edit4, "Edit4", &P::glGroupBox4, {80, 48, 58, 21}, &P::Edit4Change},
    {&P::Edit5, "Edit5", &P::glGroupBox7, {76, 43, 62, 21}, &P::Edit5Change},
    {&P::Edit6, "Edit6", &P::glGroupBox10, {104, 16, 40, 21}, nullptr},
    {&P::Edit7, "Edit7", &P::glGroupBox10, {104, 38, 40, 21}, nullptr},
};

struct LabelRow {
    TLabel P::*label;
    std::string_view name;
    std::string_view caption;
    TglGroupBox P::*parent;
    Bounds bounds;
};

constexpr LabelRow kLabels[] = {
    {&P::Label9, "Label9", "Optimize MCP", &P::glGroupBox10, {8, 20, 94, 13}},
    {&P::Label10, "Label10", "Optimize MCP 1.0", &P::glGroupBox10, {8, 42, 94, 13}},
};

constexpr Bounds kPanel2Bounds{0, 52, 592, 252}; // below the 52-pixel cool bar
constexpr Bounds kComboBox1Bounds{80, 18, 58, 21};

// Every value field starts at "0", disabled.
constexpr std::string_view kInitialText = "0";

} // namespace

SettingsPanel::SettingsPanel(controls::Form& form)
    : form_(form)
{
    const auto parentOf = [this](TglGroupBox P::*parent) -> Control* {
        return parent ? static_cast<Control*>(&(this->*parent)) : &Panel2;
    };

    Panel2.SetName("Panel2");
    Panel2.SetBounds(kPanel2Bounds);

    for (const GroupBoxRow& row : kGroupBoxes) {
        TglGroupBox& box = this->*row.box;
        box.SetName(row.name);
        box.SetCaption(row.caption);
        box.SetHint(row.hint);
        box.SetParent(parentOf(row.parent));
        box.SetBounds(row.bounds);
    }

    for (const OptionRow& row : kOptions) {
        TglCheckBox& option = this->*row.option;
        option.SetName(row.name);
        option.SetCaption(row.caption);
        option.SetHint(row.hint);
        option.SetGroupIndex(row.groupIndex);
        option.SetParent(parentOf(row.parent));
        option.SetBounds(row.bounds);
        option.SetBold((row.look & kBold) != 0);
        option.SetHandCursor((row.look & kHand) != 0);
    }

    for (const EditRow& row : kEdits) {
        TEdit& edit = this->*row.edit;
        edit.SetName(row.name);
        edit.SetParent(parentOf(row.parent));
        edit.SetBounds(row.bounds);
        edit.SetText(kInitialText);
        EnableField(edit, false);
    }

    for (const LabelRow& row : kLabels) {
        TLabel& label = this->*row.label;
        label.SetName(row.name);
        label.SetCaption(row.caption);
        label.SetParent(parentOf(row.parent));
        label.SetBounds(row.bounds);
    }

    ComboBox1.SetName("ComboBox1");
    ComboBox1.SetParent(&glGroupBox4);
    ComboBox1.SetBounds(kComboBox1Bounds);
    std::vector<std::string> items;
    for (const ReceiveWindowMultiple& multiple : kReceiveWindowMultiples)
        items.emplace_back(multiple.item);
    ComboBox1.SetItems(std::move(items));
    EnableField(ComboBox1, false);

    // Handlers last, so that setting up the initial texts runs none of them.
    for (const OptionRow& row : kOptions) {
        if (row.click)
            (this->*row.option).OnClick = std::bind_front(row.click, this);
    }
    for (const EditRow& row : kEdits) {
        if (row.change)
            (this->*row.edit).OnChange = std::bind_front(row.change, this);
    }
    Edit2.OnKeyPress = std::bind_front(&P::Edit2KeyPress, this);
    ComboBox1.OnChange = std::bind_front(&P::ComboBox1Change, this);

    RadioButton3.SetChecked(true);
}

} // namespace ventaro
