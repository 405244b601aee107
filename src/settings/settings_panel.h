#pragma once

#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/control.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "settings/connection_type.h"
#include "settings/optimization_method.h"

#include <optional>

namespace ventaro {

// The settings panel: Ventaro's only store of settings. Readers put the
// machine's values into its fields and options, presets and methods put
// recommended values there, and writers read them back; the controls are
// public under their form names for that. The handlers keep each value
// group's option in step with its field.
//
// The panel registers its controls with the form of the window that owns it,
// so option groups span that whole window.
class SettingsPanel {
    controls::Form& form_; // first, so that the controls below can register with it

public:
    explicit SettingsPanel(controls::Form& form);
    SettingsPanel(const SettingsPanel&) = delete;
    SettingsPanel& operator=(const SettingsPanel&) = delete;

    // The connection type and method, held only as the checked options.
    std::optional<ConnectionType> CheckedConnectionType() const;
    OptimizationMethod CheckedMethod() const;

    // Presets and methods.
    void ApplyConnectionPreset(ConnectionType type, int mode);
    void EnableCustomFields();
    void glCheckBox1Click(controls::Control& sender);
    void glCheckBox2Click(controls::Control& sender);
    void glCheckBox3Click(controls::Control& sender);
    void glCheckBox4Click(controls::Control& sender);
    void glCheckBox5Click(controls::Control& sender);
    void glCheckBox6Click(controls::Control& sender);
    void glCheckBox7Click(controls::Control& sender);
    void glCheckBox12Click(controls::Control& sender);
    void RadioButton4Click(controls::Control& sender);

    // Value options.
    void RadioButton5Click(controls::Control& sender);
    void RadioButton6Click(controls::Control& sender);
    void RadioButton7Click(controls::Control& sender);
    void RadioButton8Click(controls::Control& sender);
    void RadioButton9Click(controls::Control& sender);
    void RadioButton10Click(controls::Control& sender);
    void RadioButton11Click(controls::Control& sender);
    void RadioButton12Click(controls::Control& sender);
    void RadioButton13Click(controls::Control& sender);
    void RadioButton14Click(controls::Control& sender);
    void RadioButton15Click(controls::Control& sender);
    void RadioButton16Click(controls::Control& sender);
    void RadioButton17Click(controls::Control& sender);
    void RadioButton18Click(controls::Control& sender);
    void RadioButton19Click(controls::Control& sender);

    // Value fields.
    void Edit1Change(controls::Control& sender);
    void Edit2Change(controls::Control& sender);
    void Edit3Change(controls::Control& sender);
    void Edit4Change(controls::Control& sender);
    void Edit5Change(controls::Control& sender);
    void Edit2KeyPress(controls::Control& sender, char& key);
    void ComboBox1Change(controls::Control& sender);
    void UpdateReceiveWindow(int multiple);

    // Enables or disables a value field together with its colour.
    static void EnableField(controls::Control& field, bool enabled);

    controls::TPanel Panel2{form_};

    controls::TglGroupBox glGroupBox1{form_}; // connection type
    controls::TglCheckBox glCheckBox1{form_};
    controls::TglCheckBox glCheckBox2{form_};
    controls::TglCheckBox glCheckBox3{form_};
    controls::TglCheckBox glCheckBox4{form_};
    controls::TglCheckBox glCheckBox5{form_};

    controls::TglGroupBox glGroupBox2{form_}; // optimization method
    controls::TglCheckBox RadioButton3{form_};
    controls::TglCheckBox glCheckBox7{form_};
    controls::TglCheckBox glCheckBox12{form_};
    controls::TglCheckBox RadioButton4{form_};

    controls::TglGroupBox glGroupBox3{form_}; // MTU
    controls::TglCheckBox RadioButton9{form_};
    controls::TglCheckBox RadioButton10{form_};
    controls::TglCheckBox RadioButton11{form_};
    controls::TEdit Edit2{form_};

    controls::TglGroupBox glGroupBox6{form_}; // TTL
    controls::TglCheckBox RadioButton5{form_};
    controls::TglCheckBox RadioButton6{form_};
    controls::TglCheckBox RadioButton7{form_};
    controls::TglCheckBox RadioButton8{form_};
    controls::TEdit Edit1{form_};

    controls::TglGroupBox glGroupBox5{form_}; // NDI cache size
    controls::TglCheckBox RadioButton12{form_};
    controls::TglCheckBox RadioButton13{form_};
    controls::TglCheckBox RadioButton14{form_};
    controls::TglCheckBox RadioButton15{form_};
    controls::TEdit Edit3{form_};

    controls::TglGroupBox glGroupBox4{form_}; // receive window
    controls::TglCheckBox RadioButton16{form_};
    controls::TComboBox ComboBox1{form_};
    controls::TglCheckBox RadioButton17{form_};
    controls::TEdit Edit4{form_};

    controls::TglGroupBox glGroupBox7{form_}; // session keep-alive
    controls::TglCheckBox RadioButton18{form_};
    controls::TglCheckBox RadioButton19{form_};
    controls::TEdit Edit5{form_};

    controls::TglGroupBox glGroupBox8{form_}; // path MTU
    controls::TglCheckBox CheckBox1{form_};
    controls::TglCheckBox CheckBox2{form_};

    controls::TglGroupBox glGroupBox9{form_}; // extra settings
    controls::TglCheckBox CheckBox3{form_};
    controls::TglCheckBox CheckBox4{form_};
    controls::TglCheckBox CheckBox5{form_};
    controls::TglCheckBox CheckBox6{form_};
    controls::TglCheckBox CheckBox7{form_};
    controls::TglCheckBox CheckBox8{form_};
    controls::TglCheckBox CheckBox9{form_};

    controls::TglGroupBox glGroupBox10{form_}; // Internet Explorer
    controls::TLabel Label9{form_};
    controls::TEdit Edit6{form_};
    controls::TLabel Label10{form_};
    controls::TEdit Edit7{form_};

    controls::TglCheckBox glCheckBox6{form_}; // along the bottom edge
    controls::TglCheckBox glCheckBox8{form_};
    controls::TglCheckBox glCheckBox9{form_};

private:
    void ClickConnectionType(ConnectionType type);
    void ClickAutomaticMode(int mode);
    void ClickValueOption(controls::TglCheckBox SettingsPanel::*option);
    void CheckMatchingOption(controls::TEdit SettingsPanel::*field);
};

} // namespace ventaro
