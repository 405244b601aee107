#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace ventaro::win32 {

// A GDI object that deletes itself; move-only, so it is deleted once.
template <typename Handle, BOOL(WINAPI* Delete)(Handle) = nullptr> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle)
        : handle_(handle)
    {
    }
    GdiObject(GdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr))
    {
    }
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset()
    {
        if (handle_) {
            if constexpr (Delete != nullptr)
                Delete(handle_);
            else
                DeleteObject(handle_);
        }
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
using Icon = GdiObject<HICON, DestroyIcon>;

// Selects an object into a DC for one scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , old_(SelectObject(dc, object))
    {
    }
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A font by face, character height in pixels and style.
inline Font MakeFont(const char* face, int height, bool bold = false, bool italic = false)
{
    LOGFONTA lf{};
    lf.lfHeight = -height;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return Font(CreateFontIndirectA(&lf));
}

// Vertical or horizontal two-colour gradient over a rectangle.
void FillGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to, bool vertical);

// Copies a picture, leaving out the pixels of the key colour.
void DrawTransparent(HDC dc, int x, int y, int width, int height, HDC source, COLORREF key);

// The top-level window that a child belongs to.
HWND TopLevel(HWND window);

// The hand cursor of links and clickable options.
HCURSOR HandCursor();

// Registers a window class of the program's own on the button-face colour;
// registering it again does nothing.
void RegisterWindowClass(HINSTANCE instance, const char* name, WNDPROC proc, HCURSOR cursor, int extraBytes = 0);

// Text of a window, read through WM_GETTEXT.
std::string WindowText(HWND window);

} // namespace ventaro::win32
