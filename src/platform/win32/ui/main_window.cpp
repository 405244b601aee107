#include "platform/win32/ui/main_window.h"

#include "app/commands.h"
#include "platform/win32/resource.h"
#include "platform/win32/ui/forms.h"
#include "platform/win32/ui/gradient_label.h"
#include "platform/win32/ui/panel_view.h"
#include "registry/error.h"

#include <commctrl.h>

#include <exception>

namespace ventaro::win32 {
namespace {

constexpr const char* kWindowClass = "TVentaro";
constexpr int kClientWidth = 592;
constexpr int kClientHeight = 323;
constexpr int kCoolBarHeight = 52;
constexpr int kButtonWidth = 47;
constexpr int kButtonHeight = 48;
constexpr int kToolIconSize = 28;
constexpr UINT kAddTooltipsMessage = WM_APP + 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

int ToolIconResource(int commandId)
{
    switch (commandId) {
    case IdToolButton5:
        return IDI_TOOL_OPTIMIZE;
    case IdToolButton6:
        return IDI_TOOL_RESTORE;
    case IdToolButton7:
        return IDI_TOOL_VIEW;
    case IdToolButton8:
        return IDI_TOOL_HELP;
    default:
        return IDI_TOOL_EXIT;
    }
}

// The pictures of the menu items that have one.
struct MenuPicture {
    int command;
    int bitmap;
};
constexpr MenuPicture kMenuPictures[] = {{IdOptimizeConnection1, IDB_MENU_OPTIMIZE},
    {IdViewCurentSettings1, IDB_MENU_VIEW}, {IdBackup1, IDB_MENU_BACKUP},
    {IdRestoreyouroriginalconfiguration1, IDB_MENU_RESTORE_PREVIOUS},
    {IdRestoreWindowsDefaults1, IDB_MENU_RESTORE_DEFAULTS}, {IdExit1, IDB_MENU_EXIT}, {IdContents1, IDB_MENU_CONTENTS}};

} // namespace

void ReportError(platform::DialogsApi& dialogs, const char* message)
{
    dialogs.Show(platform::DialogKind::Error, ErrorBoxText(message));
}

MainWindow::MainWindow(HINSTANCE instance, platform::Platform& platform)
    : instance_(instance)
    , platform_(platform)
    , app_(platform, *this)
    , font_(MakeFont("MS Sans Serif", 11))
    , boldFont_(MakeFont("MS Sans Serif", 11, true))
    , titleFont_(MakeFont("Arial", 25, true, true))
    , subtitleFont_(MakeFont("Arial", 16, true, true))
{
}

MainWindow::~MainWindow()
{
    if (toolImages_)
        ImageList_Destroy(toolImages_);
}

bool MainWindow::Create()
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_VENTARO));
    wc.hIconSm
        = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_VENTARO), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kWindowClass;
    RegisterClassExA(&wc);
    RegisterGradientLabel(instance_);
    RegisterPanelClass(instance_);

    for (const auto& picture : kMenuPictures) {
        menuPictures_.emplace_back(static_cast<HBITMAP>(
            LoadImageA(instance_, MAKEINTRESOURCEA(picture.bitmap), IMAGE_BITMAP, 16, 16, LR_DEFAULTCOLOR)));
        menu_.SetBitmap(picture.command, menuPictures_.back().Get());
    }
    HMENU menu = menu_.Build();
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window_ = CreateWindowExA(0, kWindowClass, std::string(kMainCaption).c_str(), kStyle, left, top, width, height,
        nullptr, menu, instance_, this);
    if (!window_)
        return false;
    // The menu bar may wrap or differ in height from what was assumed: make
    // the client area exactly the designed size.
    RECT client;
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0, width + kClientWidth - client.right, height + kClientHeight - client.bottom,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void MainWindow::Show(int showCommand)
{
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    PostMessageA(window_, kAddTooltipsMessage, 0, 0);
}

int MainWindow::RunMessageLoop()
{
    MSG msg;
    while (!terminated_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(window_, menu_.Accelerators(), &msg))
            continue;
        if (panel_ && panel_->PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

void MainWindow::Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        ReportError(platform_.dialogs, e.what());
    }
}

void MainWindow::OnCreate()
{
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    CreateCoolBar();
    CreateStatusBar();
    RECT status;
    GetWindowRect(statusBar_, &status);
    const int statusHeight = status.bottom - status.top;
    panel_ = std::make_unique<PanelView>(instance_, window_, app_.Panel(), font_.Get(),
        RECT{0, kCoolBarHeight, kClientWidth, kClientHeight - statusHeight});
    Guarded([this] { app_.FormCreate(); });
}

void MainWindow::CreateCoolBar()
{
    coolBar_ = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT | CCS_NODIVIDER | CCS_NOPARENTALIGN
            | CCS_NORESIZE,
        0, 0, kClientWidth, kCoolBarHeight, window_, reinterpret_cast<HMENU>(IdCoolBar1), instance_, nullptr);

    toolBar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER
            | CCS_NOPARENTALIGN | CCS_NORESIZE,
        0, 0, 0, 0, coolBar_, reinterpret_cast<HMENU>(IdToolBar1), instance_, nullptr);
    SendMessageA(toolBar_, TB_SETPARENT, reinterpret_cast<WPARAM>(window_), 0);
    SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);

    toolImages_ = ImageList_Create(kToolIconSize, kToolIconSize, ILC_COLOR32 | ILC_MASK, 5, 0);
    std::vector<TBBUTTON> buttons;
    for (const auto& tool : ToolButtons()) {
        HICON icon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(ToolIconResource(tool.id)), IMAGE_ICON,
            kToolIconSize, kToolIconSize, LR_DEFAULTCOLOR));
        const int image = icon ? ImageList_AddIcon(toolImages_, icon) : I_IMAGENONE;
        if (icon)
            DestroyIcon(icon);
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = tool.id;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
        const auto caption = std::string(tool.caption) + '\0';
        button.iString = SendMessageA(toolBar_, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        buttons.push_back(button);
        TBBUTTON divider{};
        divider.iBitmap = 6;
        divider.fsStyle = BTNS_SEP;
        buttons.push_back(divider);
    }
    SendMessageA(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(toolImages_));
    SendMessageA(toolBar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolBar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kToolIconSize, kToolIconSize));
    SendMessageA(toolBar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));
    SendMessageA(toolBar_, TB_AUTOSIZE, 0, 0);
    SIZE size{};
    SendMessageA(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));

    REBARBANDINFOA band{};
    band.cbSize = REBARBANDINFOA_V3_SIZE; // understood by every comctl32
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
    band.fStyle = RBBS_NOGRIPPER | RBBS_CHILDEDGE;
    band.hwndChild = toolBar_;
    band.cxMinChild = static_cast<UINT>(size.cx);
    band.cyMinChild = kButtonHeight;
    band.cx = kClientWidth;
    SendMessageA(coolBar_, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));

    // The title labels to the right of the last divider.
    RECT last{};
    SendMessageA(toolBar_, TB_GETITEMRECT, buttons.size() - 1, reinterpret_cast<LPARAM>(&last));
    POINT origin{last.right + 4, 2};
    MapWindowPoints(toolBar_, window_, &origin, 1);
    HWND panel1 = CreateWindowExA(0, kPanelClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, origin.x, origin.y,
        325, 48, window_, reinterpret_cast<HMENU>(IdPanel1), instance_, nullptr);
    SetWindowPos(panel1, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    HWND title = CreateWindowExA(0, kGradientLabelClass, "Ventaro", WS_CHILD | WS_VISIBLE, 4, 0, 140, 30, panel1,
        reinterpret_cast<HMENU>(IdGlLabel2), instance_, nullptr);
    SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), TRUE);
    HWND subtitle = CreateWindowExA(0, kGradientLabelClass, "for Win9x / ME / NT / XP", WS_CHILD | WS_VISIBLE, 60, 28,
        200, 20, panel1, reinterpret_cast<HMENU>(IdGlLabel1), instance_, nullptr);
    SendMessageA(subtitle, WM_SETFONT, reinterpret_cast<WPARAM>(subtitleFont_.Get()), TRUE);
}

void MainWindow::CreateStatusBar()
{
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(IdStatusBar1), instance_, nullptr);
    SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SendMessageA(statusBar_, SB_SETMINHEIGHT, 19, 0);
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    int parts[] = {200, -1};
    SendMessageA(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void MainWindow::SetStatusLine(const std::string& text)
{
    SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.Get()), FALSE);
    SendMessageA(statusBar_, SB_SIMPLE, TRUE, 0);
    SendMessageA(statusBar_, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    // The first part holds the line too: WM_GETTEXT reads it there, which is
    // how screen readers and other programs see the status line.
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::ShowFirstUseNotice() { ShowNoticeForm(instance_, window_, font_.Get()); }

void MainWindow::ApplyTheme()
{
    // Visual styles come from the manifest (Common Controls 6) for every
    // window of the process; nothing more is needed at run time.
}

void MainWindow::ShowAboutBox()
{
    ShowAboutForm(instance_, window_, font_.Get(), [this](std::string_view address) {
        platform_.shell.Execute("open", std::string(address), "", "", platform::kSwShow);
    });
}

void MainWindow::Close() { PostMessageA(window_, WM_CLOSE, 0, 0); }

void MainWindow::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void MainWindow::OnCommand(int id, int code, HWND control)
{
    if (id == IdGlLabel2 || id == IdGlLabel1) {
        Guarded([this] { app_.glLabel2Click(); });
        return;
    }
    // Menu items, accelerators and tool buttons all arrive by command ID.
    if (const Handler handler = CommandHandler(id)) {
        Guarded([this, handler] { (app_.*handler)(); });
        return;
    }
    if (panel_)
        Guarded([&] { panel_->OnCommand(id, code, control); });
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            for (const auto& tool : ToolButtons())
                if (static_cast<UINT_PTR>(tool.id) == header->idFrom) {
                    // The hints are literals of the command table, so they end in NUL.
                    info->lpszText = const_cast<char*>(tool.hint.data());
                    return 0;
                }
        }
        break;
    }
    case WM_MEASUREITEM:
        if (menu_.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_DRAWITEM:
        if (menu_.Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (panel_)
            if (const auto brush
                = panel_->ControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case kAddTooltipsMessage:
        if (panel_)
            panel_->AddTooltips();
        return 0;
    case WM_SETCURSOR:
        if (panel_ && panel_->SetCursorFor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_DESTROY:
        Guarded([this] { app_.FormDestroy(); });
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace ventaro::win32
