#pragma once

#include "app/ventaro.h"
#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/owner_menu.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

namespace ventaro::win32 {

class PanelView;

// The real main window, class "TVentaro": the frame (menu, cool bar with the
// tool bar and title labels, status bar) around the settings panel. It owns
// no rule: events go to TVentaro, the panel's state comes from its model.
class MainWindow final : public MainWindowView {
public:
    MainWindow(HINSTANCE instance, platform::Platform& platform);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window (the start-up sequence runs inside), then shows it.
    bool Create();
    void Show(int showCommand);
    int RunMessageLoop();
    HWND Handle() const { return window_; }

    // MainWindowView
    void SetStatusLine(const std::string& text) override;
    void ShowFirstUseNotice() override;
    void ApplyTheme() override;
    void ShowAboutBox() override;
    void Close() override;
    void Terminate() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void CreateCoolBar();
    void CreateStatusBar();
    void OnCommand(int id, int code, HWND control);
    // Runs a handler; an error that leaves it goes to the error box and
    // the program carries on.
    void Guarded(const std::function<void()>& handler);

    HINSTANCE instance_;
    platform::Platform& platform_;
    TVentaro app_;
    OwnerMenu menu_;
    std::unique_ptr<PanelView> panel_;
    HWND window_ = nullptr;
    HWND coolBar_ = nullptr;
    HWND toolBar_ = nullptr;
    HWND statusBar_ = nullptr;
    HIMAGELIST toolImages_ = nullptr;
    std::vector<Bitmap> menuPictures_;
    Font font_;
    Font boldFont_;
    Font titleFont_;
    Font subtitleFont_;
    bool terminated_ = false;
};

// The application-level error handler: the error box, captioned with the
// application title, with the text's closing full stop rule.
void ReportError(platform::DialogsApi& dialogs, const char* message);

} // namespace ventaro::win32
