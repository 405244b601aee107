#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

namespace ventaro::win32 {

// The first-use notice, class "TAboutBox1": modal, centred on the screen.
void ShowNoticeForm(HINSTANCE instance, HWND owner, HFONT font);

// The about box, class "TAboutBox": modal, centred over the main window.
// 'open' takes the web-site address when the link label is clicked.
void ShowAboutForm(HINSTANCE instance, HWND owner, HFONT font, const std::function<void(std::string_view)>& open);

// The notice's nine lines and the about box's texts.
extern const char* const kNoticeLines[9];
inline constexpr const char* kAboutCaption = "About Ventaro";
inline constexpr const char* kVersionLine = "Version 1.94";

} // namespace ventaro::win32

namespace ventaro::win32 {

// The hidden instances of the about box, the notice and the picture form
// that the program creates at start and never shows. Returned so that they
// live as long as the program.
struct HiddenForms {
    HWND aboutBox, notice, pictureForm;
};
HiddenForms CreateHiddenForms(HINSTANCE instance, HWND owner);

} // namespace ventaro::win32
