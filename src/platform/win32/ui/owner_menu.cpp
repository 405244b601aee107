#include "platform/win32/ui/owner_menu.h"

#include "platform/win32/resource.h"

namespace ventaro::win32 {
namespace {

constexpr int kIconWidth = 16;
constexpr int kIconColumn = kIconWidth + 8;
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;

struct KeyInfo {
    Key key;
    WORD virtualKey;
    const char* text;
};
constexpr KeyInfo kKeys[] = {{Key::F2, VK_F2, "F2"}, {Key::F3, VK_F3, "F3"}, {Key::F4, VK_F4, "F4"},
    {Key::F5, VK_F5, "F5"}, {Key::F6, VK_F6, "F6"}};

const KeyInfo* FindKey(Key key)
{
    for (const auto& k : kKeys)
        if (k.key == key)
            return &k;
    return nullptr;
}

// A colour part-way from one to another (0..255).
COLORREF Blend(COLORREF a, COLORREF b, int weight)
{
    auto mix = [weight](int x, int y) { return static_cast<BYTE>(x + (y - x) * weight / 255); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

} // namespace

OwnerMenu::OwnerMenu()
    : font_(MakeFont("Tahoma", 11))
{
}

OwnerMenu::~OwnerMenu()
{
    if (accelerators_)
        DestroyAcceleratorTable(accelerators_);
}

OwnerMenu::Item& OwnerMenu::AddItem(Item item)
{
    items_.push_back(std::make_unique<Item>(std::move(item)));
    return *items_.back();
}

HMENU OwnerMenu::Build()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const auto& menu : MainMenu()) {
        Item& top = AddItem({std::string(menu.caption), "", menu.id, false, true});
        const auto data = reinterpret_cast<LPCSTR>(&top);
        if (menu.items.empty()) {
            AppendMenuA(bar, MF_OWNERDRAW, static_cast<UINT_PTR>(menu.id), data);
            continue;
        }
        HMENU popup = CreatePopupMenu();
        for (const auto& entry : menu.items) {
            const KeyInfo* key = FindKey(entry.shortcut);
            Item& item
                = AddItem({std::string(entry.caption), key ? key->text : "", entry.id, entry.name.empty(), false});
            AppendMenuA(popup, MF_OWNERDRAW | (item.separator ? MF_SEPARATOR : 0), static_cast<UINT_PTR>(entry.id),
                reinterpret_cast<LPCSTR>(&item));
            if (key)
                accelerators.push_back(ACCEL{FVIRTKEY, key->virtualKey, static_cast<WORD>(entry.id)});
        }
        AppendMenuA(bar, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), data);
    }
    accelerators_ = CreateAcceleratorTableA(accelerators.data(), static_cast<int>(accelerators.size()));
    return bar;
}

bool OwnerMenu::Measure(MEASUREITEMSTRUCT& measure)
{
    if (measure.CtlType != ODT_MENU || !measure.itemData)
        return false;
    const auto& item = *reinterpret_cast<const Item*>(measure.itemData);
    if (item.separator) {
        measure.itemWidth = 0;
        measure.itemHeight = kSeparatorHeight;
        return true;
    }
    HDC dc = GetDC(nullptr);
    {
        Selection selectFont(dc, font_.Get());
        RECT text{};
        DrawTextA(dc, item.caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
        RECT key{};
        if (!item.shortcut.empty())
            DrawTextA(dc, item.shortcut.c_str(), -1, &key, DT_CALCRECT | DT_SINGLELINE);
        measure.itemWidth = item.onBar ? static_cast<UINT>(text.right)
                                       : static_cast<UINT>(kIconColumn + 8 + text.right + 24 + key.right);
        measure.itemHeight = item.onBar ? static_cast<UINT>(GetSystemMetrics(SM_CYMENU)) : kItemHeight;
    }
    ReleaseDC(nullptr, dc);
    return true;
}

bool OwnerMenu::Draw(const DRAWITEMSTRUCT& draw)
{
    if (draw.CtlType != ODT_MENU || !draw.itemData)
        return false;
    const auto& item = *reinterpret_cast<const Item*>(draw.itemData);
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    const bool selected = (draw.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
    const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    // Dim level 30: the highlight faded towards the window colour.
    const COLORREF selectionFill = Blend(highlight, window, 255 * 70 / 100);

    Selection selectFont(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);

    if (item.onBar) {
        Brush background(CreateSolidBrush(selected ? selectionFill : face));
        FillRect(dc, &rect, background.Get());
        if (selected) {
            Brush frame(CreateSolidBrush(highlight));
            FrameRect(dc, &rect, frame.Get());
        }
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
        const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
        DrawTextA(dc, item.caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix);
        return true;
    }

    // The icon column: a gradient from the face colour to a lighter one.
    RECT column = rect;
    column.right = column.left + kIconColumn;
    FillGradient(dc, column, Blend(face, window, 128), face, false);
    RECT body = rect;
    body.left = column.right;
    Brush menuBrush(CreateSolidBrush(Blend(window, face, 255 * 10 / 100))); // gray level 10
    FillRect(dc, &body, menuBrush.Get());

    if (item.separator) {
        Pen line(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
        Selection selectPen(dc, line.Get());
        const int y = (rect.top + rect.bottom) / 2;
        MoveToEx(dc, body.left + 6, y, nullptr);
        LineTo(dc, rect.right, y);
        return true;
    }
    if (selected && !disabled) {
        RECT frameRect = rect;
        InflateRect(&frameRect, -1, 0);
        Brush fill(CreateSolidBrush(selectionFill));
        FillRect(dc, &frameRect, fill.Get());
        Brush frame(CreateSolidBrush(highlight));
        FrameRect(dc, &frameRect, frame.Get());
    }
    if (const auto found = bitmaps_.find(item.id); found != bitmaps_.end() && found->second) {
        HDC memory = CreateCompatibleDC(dc);
        {
            Selection selectBitmap(memory, found->second);
            const int y = rect.top + (rect.bottom - rect.top - kIconWidth) / 2;
            DrawTransparent(dc, rect.left + 4, y, kIconWidth, kIconWidth, memory, VENTARO_MENU_KEY_COLOUR);
        }
        DeleteDC(memory);
    }
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
    RECT text = body;
    text.left += 8;
    text.right -= 12;
    const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    DrawTextA(dc, item.caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | prefix);
    if (!item.shortcut.empty())
        DrawTextA(dc, item.shortcut.c_str(), -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    return true;
}

} // namespace ventaro::win32
