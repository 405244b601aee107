#include "app/panel_ids.h"

namespace ventaro {
namespace {

constexpr ControlId kIds[] = {
    {"glGroupBox1", 301},
    {"glGroupBox2", 302},
    {"glGroupBox3", 303},
    {"glGroupBox4", 304},
    {"glGroupBox5", 305},
    {"glGroupBox6", 306},
    {"glGroupBox7", 307},
    {"glGroupBox8", 308},
    {"glGroupBox9", 309},
    {"glGroupBox10", 310},
    {"glCheckBox1", 311},
    {"glCheckBox2", 312},
    {"glCheckBox3", 313},
    {"glCheckBox4", 314},
    {"glCheckBox5", 315},
    {"RadioButton3", 316},
    {"glCheckBox7", 317},
    {"glCheckBox12", 318},
    {"RadioButton4", 319},
    {"RadioButton5", 320},
    {"RadioButton6", 321},
    {"RadioButton7", 322},
    {"RadioButton8", 323},
    {"RadioButton9", 324},
    {"RadioButton10", 325},
    {"RadioButton11", 326},
    {"RadioButton12", 327},
    {"RadioButton13", 328},
    {"RadioButton14", 329},
    {"RadioButton15", 330},
    {"RadioButton16", 331},
    {"RadioButton17", 332},
    {"RadioButton18", 333},
    {"RadioButton19", 334},
    {"CheckBox1", 341},
    {"CheckBox2", 342},
    {"CheckBox3", 343},
    {"CheckBox4", 344},
    {"CheckBox5", 345},
    {"CheckBox6", 346},
    {"CheckBox7", 347},
    {"CheckBox8", 348},
    {"CheckBox9", 349},
    {"glCheckBox6", 350},
    {"glCheckBox8", 351},
    {"glCheckBox9", 352},
    {"Edit1", 361},
    {"Edit2", 362},
    {"Edit3", 363},
    {"Edit4", 364},
    {"Edit5", 365},
    {"Edit6", 366},
    {"Edit7", 367},
    {"ComboBox1", 368},
    {"Label9", 369},
    {"Label10", 370},
};

} // namespace

std::span<const ControlId> PanelControlIds() { return kIds; }

int PanelControlId(std::string_view name)
{
    for (const auto& control : kIds)
        if (control.name == name)
            return control.id;
    return 0;
}

} // namespace ventaro
