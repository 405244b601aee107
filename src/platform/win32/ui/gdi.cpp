#include "platform/win32/ui/gdi.h"

namespace ventaro::win32 {
namespace {

// msimg32 is not there on Windows 95 and NT 4.0: its functions are looked up
// at run time, with plain GDI drawing in their place when it is missing.
HMODULE Msimg32()
{
    static const HMODULE module = LoadLibraryA("msimg32.dll");
    return module;
}

template <typename Function> Function Lookup(const char* name)
{
    const HMODULE module = Msimg32();
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
using TransparentBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

} // namespace

void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical)
{
    static const auto gradientFill = Lookup<GradientFillFunction>("GradientFill");
    if (!gradientFill) {
        // One line at a time.
        const int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
        for (int i = 0; i < length; ++i) {
            auto mix = [&](int a, int b) { return a + (b - a) * i / (length > 1 ? length - 1 : 1); };
            Brush brush(CreateSolidBrush(RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                mix(GetBValue(from), GetBValue(to)))));
            RECT line = rect;
            if (vertical) {
                line.top = rect.top + i;
                line.bottom = line.top + 1;
            } else {
                line.left = rect.left + i;
                line.right = line.left + 1;
            }
            FillRect(dc, &line, brush.Get());
        }
        return;
    }
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(from) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(from) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(from) << 8);
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(to) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(to) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(to) << 8);
    GRADIENT_RECT gradient{0, 1};
    gradientFill(dc, vertices, 2, &gradient, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void DrawTransparent(HDC dc, int x, int y, int width, int height, HDC source, COLORREF key)
{
    static const auto transparentBlt = Lookup<TransparentBltFunction>("TransparentBlt");
    if (transparentBlt) {
        transparentBlt(dc, x, y, width, height, source, 0, 0, width, height, key);
        return;
    }
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (const COLORREF colour = GetPixel(source, column, row); colour != key)
                SetPixel(dc, x + column, y + row, colour);
}

HWND TopLevel(HWND window)
{
    // GetAncestor is not there on Windows 95.
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return window;
}

HCURSOR HandCursor()
{
    // Windows 95 and NT 4.0 have no hand cursor of their own.
    static const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    return hand ? hand : LoadCursor(nullptr, IDC_ARROW);
}

void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, HCURSOR cursor, int extraBytes)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

std::string WindowText(HWND window)
{
    const auto length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied
        = static_cast<int>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

} // namespace ventaro::win32
