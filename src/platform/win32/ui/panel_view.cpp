#include "platform/win32/ui/panel_view.h"

#include "app/panel_ids.h"
#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "settings/settings_panel.h"

#include <commctrl.h>

namespace ventaro::win32 {
namespace {

constexpr const char* kViewProperty = "VentaroPanelView";
constexpr const char* kOriginalProcProperty = "VentaroEditProc";

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return SendMessageA(TopLevel(window), message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Caption(const controls::Control& control)
{
    if (const auto* edit = dynamic_cast<const controls::TEdit*>(&control))
        return edit->Text();
    return control.Caption();
}

} // namespace

void RegisterPanelClass(HINSTANCE instance)
{
    RegisterWindowClass(instance, kPanelClass, PanelProc, LoadCursor(nullptr, IDC_ARROW));
}

PanelView::PanelView(HINSTANCE instance, HWND mainWindow, SettingsPanel& panel, HFONT font, const RECT& place)
    : instance_(instance)
    , main_(mainWindow)
    , panel_(panel)
    , form_(panel.Panel2.Owner())
    , font_(font)
{
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    boldFont_ = Font(CreateFontIndirectA(&lf));

    container_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
        place.left, place.top, place.right - place.left, place.bottom - place.top, mainWindow,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(207)), instance, nullptr);

    // Group boxes first, so that the controls drawn on them stay on top.
    for (auto* control : form_.Controls())
        if (dynamic_cast<controls::TglGroupBox*>(control))
            Create(*control);
    for (auto* control : form_.Controls())
        if (control != &panel.Panel2 && !dynamic_cast<controls::TglGroupBox*>(control))
            Create(*control);
    form_.AddObserver(*this);
}

PanelView::~PanelView() { form_.RemoveObserver(*this); }

RECT PanelView::PlaceOf(const controls::Control& control) const
{
    // Bounds are relative to the parent; the container stands for Panel2.
    const auto& b = control.GetBounds();
    RECT place{b.left, b.top, b.left + b.width, b.top + b.height};
    for (auto* parent = control.Parent(); parent && parent != &panel_.Panel2; parent = parent->Parent())
        OffsetRect(&place, parent->GetBounds().left, parent->GetBounds().top);
    return place;
}

void PanelView::Create(controls::Control& control)
{
    const RECT place = PlaceOf(control);
    const char* className = "STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    if (dynamic_cast<controls::TglGroupBox*>(&control)) {
        className = "BUTTON";
        style |= BS_GROUPBOX;
    } else if (const auto* option = dynamic_cast<controls::TglCheckBox*>(&control)) {
        // The model owns the checked state: no automatic styles.
        className = "BUTTON";
        style |= WS_TABSTOP | (option->GroupIndex() != 0 ? BS_RADIOBUTTON : BS_CHECKBOX);
    } else if (dynamic_cast<controls::TEdit*>(&control)) {
        className = "EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        exStyle = WS_EX_CLIENTEDGE;
    } else if (dynamic_cast<controls::TComboBox*>(&control)) {
        className = "COMBOBOX";
        style |= WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
    }
    int id = PanelControlId(control.Name());
    if (id == 0)
        id = nextId_++;
    const int height = dynamic_cast<controls::TComboBox*>(&control) ? 200 : place.bottom - place.top;
    HWND window = CreateWindowExA(exStyle, className, Caption(control).c_str(), style, place.left, place.top,
        place.right - place.left, height, container_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
        nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(control.Bold() ? boldFont_.Get() : font_), FALSE);
    windows_[&control] = window;
    models_[window] = &control;

    if (const auto* combo = dynamic_cast<controls::TComboBox*>(&control)) {
        for (const auto& item : combo->Items())
            SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(combo->ItemIndex()), 0);
    }
    if (const auto* option = dynamic_cast<controls::TglCheckBox*>(&control))
        SendMessageA(window, BM_SETCHECK, option->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    if (dynamic_cast<controls::TEdit*>(&control)) {
        // Classic subclassing: SetWindowSubclass needs a newer comctl32.
        SetPropA(window, kViewProperty, this);
        SetPropA(window, kOriginalProcProperty,
            reinterpret_cast<HANDLE>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc))));
    }
    EnableWindow(window, control.Enabled());
}

void PanelView::AddTooltips()
{
    for (const auto& [control, window] : windows_)
        if (!control->Hint().empty())
            AddTooltip(*control, window, PlaceOf(*control));
}

void PanelView::AddTooltip(controls::Control& control, HWND window, const RECT& place)
{
    if (!tooltips_) {
        tooltips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
            0, 0, 0, main_, nullptr, instance_, nullptr);
        SendMessageA(tooltips_, TTM_SETMAXTIPWIDTH, 0, 300);
    }
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE; // understood by every comctl32
    tool.lpszText = const_cast<char*>(control.Hint().c_str());
    if (dynamic_cast<controls::TglGroupBox*>(&control)) {
        // Group boxes let the mouse through; their tip belongs to the area.
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = container_;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
        tool.rect = place;
    } else {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = container_;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
    }
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

controls::Control* PanelView::ModelOf(HWND window) const
{
    const auto found = models_.find(window);
    return found == models_.end() ? nullptr : found->second;
}

void PanelView::OnCommand(int, int code, HWND window)
{
    controls::Control* control = ModelOf(window);
    if (!control || mirroring_)
        return;
    if (auto* option = dynamic_cast<controls::TglCheckBox*>(control)) {
        if (code == BN_CLICKED)
            option->Click();
    } else if (auto* edit = dynamic_cast<controls::TEdit*>(control)) {
        if (code == EN_CHANGE)
            edit->SetText(WindowText(window));
    } else if (auto* combo = dynamic_cast<controls::TComboBox*>(control)) {
        if (code == CBN_SELCHANGE) {
            const auto index = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
            if (index != CB_ERR)
                combo->Pick(index);
        }
    }
}

LRESULT CALLBACK PanelView::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProcProperty));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(window, kViewProperty);
        RemovePropA(window, kOriginalProcProperty);
    } else if (message == WM_CHAR) {
        auto* self = static_cast<PanelView*>(GetPropA(window, kViewProperty));
        if (auto* edit = dynamic_cast<controls::TEdit*>(self->ModelOf(window))) {
            // The field's key filter decides first; a discarded key never arrives.
            const char key = edit->FilterKey(static_cast<char>(wParam));
            if (key == '\0')
                return 0;
            wParam = static_cast<unsigned char>(key);
        }
    }
    return CallWindowProcA(original, window, message, wParam, lParam);
}

HBRUSH PanelView::ControlColor(UINT message, HDC dc, HWND window)
{
    controls::Control* control = ModelOf(window);
    if (!control) {
        // The list part of a combo box belongs to its combo box.
        control = ModelOf(GetParent(window));
        if (!control)
            return nullptr;
    }
    if (dynamic_cast<controls::TEdit*>(control) || dynamic_cast<controls::TComboBox*>(control)) {
        const int colour = control->GetColor() == controls::Color::clWindow ? COLOR_WINDOW : COLOR_BTNFACE;
        SetBkColor(dc, GetSysColor(colour));
        SetTextColor(dc, GetSysColor(control->Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        return GetSysColorBrush(colour);
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

bool PanelView::SetCursorFor(HWND window)
{
    const controls::Control* control = ModelOf(window);
    if (!control || !control->HandCursor())
        return false;
    SetCursor(HandCursor());
    return true;
}

bool PanelView::PreTranslate(MSG& msg)
{
    // Tab and the arrow keys move between the panel's controls.
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB) && IsChild(container_, msg.hwnd))
        return IsDialogMessageA(container_, &msg) != FALSE;
    return false;
}

void PanelView::ControlChanged(controls::Control& control, controls::Property property)
{
    const auto found = windows_.find(&control);
    if (found == windows_.end())
        return;
    HWND window = found->second;
    mirroring_ = true;
    switch (property) {
    case controls::Property::Text:
        if (const auto* edit = dynamic_cast<controls::TEdit*>(&control); edit && WindowText(window) != edit->Text())
            SetWindowTextA(window, edit->Text().c_str());
        break;
    case controls::Property::Checked:
        if (const auto* option = dynamic_cast<controls::TglCheckBox*>(&control))
            SendMessageA(window, BM_SETCHECK, option->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case controls::Property::Enabled:
        EnableWindow(window, control.Enabled());
        break;
    case controls::Property::Color:
        InvalidateRect(window, nullptr, TRUE);
        break;
    case controls::Property::ItemIndex:
        if (const auto* combo = dynamic_cast<controls::TComboBox*>(&control))
            SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(combo->ItemIndex()), 0);
        break;
    }
    mirroring_ = false;
}

} // namespace ventaro::win32
