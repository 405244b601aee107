#include "platform/controls/check_box.h"

#include "platform/controls/form.h"

namespace ventaro::controls {

void TglCheckBox::SetChecked(bool checked)
{
    if (checked)
        Check();
    else if (groupIndex_ == 0 && checked_) {
        checked_ = false;
        Changed(Property::Checked);
    }
}

void TglCheckBox::Click()
{
    if (!Enabled())
        return;
    if (groupIndex_ == 0 && checked_) {
        checked_ = false;
        Changed(Property::Checked);
    } else {
        Check();
    }
    if (OnClick)
        OnClick(*this);
}

void TglCheckBox::Check()
{
    if (checked_)
        return;
    if (groupIndex_ != 0) {
        for (Control* control : Owner().Controls()) {
            auto* other = dynamic_cast<TglCheckBox*>(control);
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->checked_) {
                other->checked_ = false;
                other->Changed(Property::Checked);
            }
        }
    }
    checked_ = true;
    Changed(Property::Checked);
}

} // namespace ventaro::controls
