#pragma once

#include "platform/controls/control.h"

#include <string>
#include <vector>

namespace ventaro::controls {

// A drop-down list without free text.
class TComboBox final : public Control {
public:
    static constexpr int kNoItem = -1;

    using Control::Control;

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);

    // kNoItem when nothing is selected.
    int ItemIndex() const { return itemIndex_; }
    // From code: selects and runs nothing. Throws std::out_of_range for an
    // index that is neither kNoItem nor an item's.
    void SetItemIndex(int index);
    // The user picks an item: it becomes selected and the change handler runs.
    void Pick(int index);

    NotifyEvent OnChange;

private:
    std::vector<std::string> items_;
    int itemIndex_ = kNoItem;
};

} // namespace ventaro::controls
