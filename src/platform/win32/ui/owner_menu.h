#pragma once

#include "app/commands.h"
#include "platform/win32/ui/gdi.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ventaro::win32 {

// The main menu built from the command table, drawn flat in the XP manner:
// a gradient icon column, a framed highlight, "Tahoma" 11 px, 16 px icons.
class OwnerMenu {
public:
    OwnerMenu();
    OwnerMenu(const OwnerMenu&) = delete;
    OwnerMenu& operator=(const OwnerMenu&) = delete;

    // Builds the menu bar and the accelerators of its shortcuts (F2 to F6).
    HMENU Build();
    HACCEL Accelerators() const { return accelerators_; }
    // A 16 x 16 picture for an item, shown in its icon column.
    void SetBitmap(int id, HBITMAP bitmap) { bitmaps_[id] = bitmap; }

    bool Measure(MEASUREITEMSTRUCT& item);
    bool Draw(const DRAWITEMSTRUCT& item);

    ~OwnerMenu();

private:
    struct Item {
        std::string caption;
        std::string shortcut;
        int id = 0;
        bool separator = false;
        bool onBar = false;
    };
    Item& AddItem(Item item);

    std::vector<std::unique_ptr<Item>> items_;
    std::map<int, HBITMAP> bitmaps_;
    Font font_;
    HACCEL accelerators_ = nullptr;
};

} // namespace ventaro::win32
