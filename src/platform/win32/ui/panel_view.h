#pragma once

#include "platform/controls/form.h"
#include "platform/win32/ui/gdi.h"

#include <windows.h>

#include <map>

namespace ventaro {
class SettingsPanel;
}

namespace ventaro::win32 {

// A plain container window that passes its children's notifications on to
// the top-level window, as the panels of the main window need.
inline constexpr const char* kPanelClass = "TPanel";
void RegisterPanelClass(HINSTANCE instance);

// Mirrors the headless settings panel into real controls: it creates one
// control per model control, moves user input to the model (clicks, typing,
// picks) and the model's state to the controls. It owns no rule.
class PanelView final : public controls::ControlObserver {
public:
    PanelView(HINSTANCE instance, HWND mainWindow, SettingsPanel& panel, HFONT font, const RECT& place);
    ~PanelView() override;
    PanelView(const PanelView&) = delete;
    PanelView& operator=(const PanelView&) = delete;

    // The hints as tooltips. Added once the window shows: nobody points at a
    // control before that, and a window with fewer tools to set up opens sooner.
    void AddTooltips();

    // A command or notification of one of the panel's controls.
    void OnCommand(int id, int code, HWND control);
    // The brush of a value field in its model colour; null for other controls.
    HBRUSH ControlColor(UINT message, HDC dc, HWND control);
    // The hand cursor over controls that ask for it.
    bool SetCursorFor(HWND control);
    // Keyboard navigation between the controls.
    bool PreTranslate(MSG& msg);

    void ControlChanged(controls::Control& control, controls::Property property) override;

private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create(controls::Control& control);
    void AddTooltip(controls::Control& control, HWND window, const RECT& place);
    RECT PlaceOf(const controls::Control& control) const;
    controls::Control* ModelOf(HWND window) const;

    HINSTANCE instance_;
    HWND main_;
    SettingsPanel& panel_;
    controls::Form& form_;
    HFONT font_;
    Font boldFont_;
    HWND container_ = nullptr;
    HWND tooltips_ = nullptr;
    std::map<controls::Control*, HWND> windows_;
    std::map<HWND, controls::Control*> models_;
    int nextId_ = 500;
    bool mirroring_ = false;
};

} // namespace ventaro::win32
