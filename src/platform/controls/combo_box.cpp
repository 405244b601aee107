#include "platform/controls/combo_box.h"

#include <stdexcept>

namespace ventaro::controls {

void TComboBox::SetItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    SetItemIndex(kNoItem);
}

void TComboBox::SetItemIndex(int index)
{
    if (index < kNoItem || index >= static_cast<int>(items_.size()))
        throw std::out_of_range("item index " + std::to_string(index) + " outside the list of " + Name());
    if (itemIndex_ == index)
        return;
    itemIndex_ = index;
    Changed(Property::ItemIndex);
}

void TComboBox::Pick(int index)
{
    if (!Enabled())
        return;
    if (index == kNoItem)
        throw std::out_of_range("no item to pick in " + Name());
    SetItemIndex(index);
    if (OnChange)
        OnChange(*this);
}

} // namespace ventaro::controls
