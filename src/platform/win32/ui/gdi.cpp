#include "platform/win32/ui/gdi.h"

namespace ventaro::win32 {

void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical)
{
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
    GradientFill(dc, vertices, 2, &gradient, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

std::string WindowText(HWND window)
{
    const auto length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = static_cast<int>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

} // namespace ventaro::win32
