#include "platform/win32/ui/forms.h"

#include "app/ventaro.h"
#include "platform/win32/resource.h"
#include "platform/win32/ui/gdi.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace ventaro::win32 {

const char* const kNoticeLines[9] = {
    "Before making any changes to your system, you should ",
    "backup your registry first.To backup your registry go to ",
    "Settings menu from this program and click \"Backup your",
    "settings\". ",
    "",
    "Ventaro offers 3 different automatic methods ",
    "which will speed up your connection. You should try all",
    "3 of them to find out which one is the best for your ",
    "configuration. These message will appear only once.",
};

namespace {

constexpr int kMemoId = 1001;
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kLinkId = 1002;

// A small modal form: a window of its own class that disables its owner
// and runs a nested message loop until it is closed.
class ModalForm {
public:
    ModalForm(HINSTANCE instance, HWND owner, const char* className, const char* caption, int clientWidth,
        int clientHeight, bool centreOnOwner)
        : instance_(instance)
        , owner_(owner)
    {
        Register(instance, className);
        constexpr DWORD style = kFormStyle;
        RECT frame{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (centreOnOwner && owner && IsWindowVisible(owner))
            GetWindowRect(owner, &area);
        window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, className, caption, style,
            area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2, width,
            height, owner, nullptr, instance, this);
    }
    ModalForm(const ModalForm&) = delete;
    ModalForm& operator=(const ModalForm&) = delete;
    ~ModalForm()
    {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }

    HWND Window() const { return window_; }

    HWND Add(
        const char* className, const char* text, DWORD style, int x, int y, int width, int height, int id, HFONT font)
    {
        HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    }

    // What the form does with a command of one of its controls.
    std::function<void(int id)> onCommand;
    // Colours of static controls: brush to use, or null for the default.
    std::function<HBRUSH(HDC, HWND)> onColor;
    // A control that shows the hand cursor, as links do.
    HWND handCursorOver = nullptr;

    void Run(HWND focus)
    {
        const bool ownerWasEnabled = owner_ && !EnableWindow(owner_, FALSE);
        ShowWindow(window_, SW_SHOW);
        SetFocus(focus);
        MSG msg;
        while (!done_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (!IsDialogMessageA(window_, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (owner_ && ownerWasEnabled)
            EnableWindow(owner_, TRUE);
        if (owner_)
            SetActiveWindow(owner_);
        ShowWindow(window_, SW_HIDE);
        if (msg.message == WM_QUIT && !done_)
            PostQuitMessage(static_cast<int>(msg.wParam));
    }

    void Finish() { done_ = true; }

    static void Register(HINSTANCE instance, const char* className)
    {
        RegisterWindowClass(instance, className, Proc, LoadCursor(nullptr, IDC_ARROW));
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<ModalForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) {
            switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    self->Finish();
                    return 0;
                }
                if (self->onCommand)
                    self->onCommand(LOWORD(wParam));
                return 0;
            case WM_CLOSE:
                self->Finish();
                return 0;
            case WM_SETCURSOR:
                if (self->handCursorOver && reinterpret_cast<HWND>(wParam) == self->handCursorOver) {
                    SetCursor(HandCursor());
                    return TRUE;
                }
                break;
            case WM_CTLCOLORSTATIC:
            case WM_CTLCOLOREDIT:
                if (self->onColor)
                    if (HBRUSH brush = self->onColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                        return reinterpret_cast<LRESULT>(brush);
                break;
            }
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;
    bool done_ = false;
};

} // namespace

void ShowNoticeForm(HINSTANCE instance, HWND owner, HFONT font)
{
    ModalForm form(instance, owner, "TAboutBox1", std::string(kApplicationTitle).c_str(), 290, 174, false);
    std::string text = kNoticeLines[0];
    for (std::size_t i = 1; i < std::size(kNoticeLines); ++i)
        text += std::string("\r\n") + kNoticeLines[i];
    form.Add("EDIT", text.c_str(), ES_MULTILINE | ES_READONLY, 8, 12, 273, 129, kMemoId, font);
    form.onColor = [](HDC dc, HWND) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    };
    HWND ok = form.Add("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 101, 142, 75, 25, IDOK, font);
    form.Run(ok);
}

void ShowAboutForm(HINSTANCE instance, HWND owner, HFONT font, const std::function<void(std::string_view)>& open)
{
    ModalForm form(instance, owner, "TAboutBox", kAboutCaption, 345, 195, true);
    const Font bold = MakeFont("MS Sans Serif", 11, true);
    const Font link = MakeFont("MS Sans Serif", 11, true, false);

    HWND strip = form.Add("STATIC", nullptr, SS_BITMAP | SS_REALSIZECONTROL, 0, 0, 41, 195, 0, font);
    // The pictures live as long as the box; static controls do not free them.
    const Bitmap stripPicture(
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ABOUT_STRIP), IMAGE_BITMAP, 41, 195, 0)));
    SendMessageA(strip, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stripPicture.Get()));
    HWND icon = form.Add("STATIC", nullptr, SS_ICON | SS_REALSIZECONTROL | SS_CENTERIMAGE, 49, 10, 41, 41, 0, font);
    const Icon programIcon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VENTARO), IMAGE_ICON, 41, 41, 0)));
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(programIcon.Get()), 0);
    form.Add("STATIC", "Ventaro", SS_LEFT, 90, 7, 200, 14, 0, bold.Get());
    form.Add("STATIC", kVersionLine, SS_LEFT, 90, 23, 200, 14, 0, font);      // Copyright
    form.Add("STATIC", VENTARO_COPYRIGHT, SS_LEFT, 90, 39, 240, 14, 0, font); // Version
    form.Add("STATIC", nullptr, SS_ETCHEDHORZ, 46, 84, 291, 2, 0, font);      // Bevel1
    form.Add("STATIC", nullptr, SS_ETCHEDHORZ, 45, 126, 293, 2, 0, font);     // Bevel2
    const std::string website = "Website: " + std::string(kWebSite);
    HWND label2 = form.Add("STATIC", website.c_str(), SS_LEFT | SS_NOTIFY, 90, 137, 240, 14, kLinkId, link.Get());
    form.handCursorOver = label2;

    HWND tips = CreateWindowExA(
        0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, form.Window(), nullptr, instance, nullptr);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE; // understood by every comctl32
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form.Window();
    tool.uId = reinterpret_cast<UINT_PTR>(label2);
    tool.lpszText = const_cast<char*>("Ventaro Website");
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

    form.onColor = [label2](HDC dc, HWND control) -> HBRUSH {
        SetBkMode(dc, TRANSPARENT);
        if (control == label2)
            SetTextColor(dc, RGB(0, 0, 255));
        return GetSysColorBrush(COLOR_BTNFACE);
    };
    form.onCommand = [&open](int id) {
        if (id == kLinkId)
            open(kWebSite); // Label2Click
    };
    HWND ok = form.Add("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 261, 162, 75, 25, IDOK, font);
    form.Run(ok);
}

} // namespace ventaro::win32

namespace ventaro::win32 {

HiddenForms CreateHiddenForms(HINSTANCE instance, HWND owner)
{
    auto create = [&](const char* className, const char* caption, int width, int height) {
        ModalForm::Register(instance, className);
        return CreateWindowExA(WS_EX_DLGMODALFRAME, className, caption, kFormStyle, 0, 0, width, height, owner, nullptr,
            instance, nullptr);
    };
    HiddenForms forms{create("TAboutBox", kAboutCaption, 345, 195),
        create("TAboutBox1", std::string(kApplicationTitle).c_str(), 290, 174), create("TForm5", "Form5", 544, 375)};
    CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_REALSIZECONTROL, 0, 0, 544, 375,
        forms.pictureForm, nullptr, instance, nullptr);
    return forms;
}

} // namespace ventaro::win32
