#pragma once

#include "platform/controls/control.h"

namespace ventaro::controls {

// An option. With a group index other than 0 it is a radio button whose group
// spans the whole form: checking it unchecks every other option of that index,
// and only that can uncheck it. With group index 0 it is a check box.
class TglCheckBox final : public Control {
public:
    using Control::Control;

    bool Checked() const { return checked_; }
    // From code: never runs the click handler; unchecking a grouped option is
    // ignored, since a radio group always keeps its checked member.
    void SetChecked(bool checked);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }

    // A mouse click: a grouped option becomes (or stays) checked, a check box
    // toggles; the click handler then runs, also for an option already checked.
    void Click();

    NotifyEvent OnClick;

private:
    void Check();

    bool checked_ = false;
    int groupIndex_ = 0;
};

} // namespace ventaro::controls
