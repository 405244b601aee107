#include "platform/win32/ui/gradient_label.h"

#include "platform/win32/ui/gdi.h"

namespace ventaro::win32 {
namespace {

constexpr COLORREF kTop = RGB(0, 51, 153);
constexpr COLORREF kBottom = RGB(102, 153, 255);

void Paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    Selection selectFont(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);

    // The glyph outlines become the clip region; the gradient fills them.
    BeginPath(dc);
    TextOutA(dc, 0, 0, text, lstrlenA(text));
    EndPath(dc);
    if (SelectClipPath(dc, RGN_AND)) {
        FillGradient(dc, client, kTop, kBottom, true);
        SelectClipRgn(dc, nullptr);
    } else {
        SetTextColor(dc, kTop);
        TextOutA(dc, 0, 0, text, lstrlenA(text));
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrA(window, 0, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(window, 0);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_LBUTTONUP: {
        const int id = GetDlgCtrlID(window);
        SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(window));
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void RegisterGradientLabel(HINSTANCE instance)
{
    // The label paints its own background; the extra bytes hold its font.
    RegisterWindowClass(instance, kGradientLabelClass, LabelProc, HandCursor(), sizeof(LONG_PTR));
}

} // namespace ventaro::win32
