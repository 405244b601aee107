#pragma once

#include <windows.h>

namespace ventaro::win32 {

// A text label whose letters are filled with a gradient, with a hand cursor;
// a click is reported to the parent as WM_COMMAND with the label's ID.
// The text is the window text; the font comes with WM_SETFONT.
void RegisterGradientLabel(HINSTANCE instance);
inline constexpr const char* kGradientLabelClass = "TglLabel";

} // namespace ventaro::win32
