// Ventaro's program entry: the Win32 platform, the main window and the
// message loop. Command-line arguments are not read.
#include "app/ventaro.h"
#include "platform/win32/ui/forms.h"
#include "platform/win32/ui/main_window.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_version.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    using namespace ventaro;
    // InitCommonControlsEx came with later versions of comctl32 than the first
    // Windows 95 had: looked up, with the older call in its place.
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto initEx = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("comctl32.dll"), "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    if (!initEx || !initEx(&controls))
        InitCommonControls();

    platform::Win32Registry registry;
    platform::Win32Profile profile;
    platform::Win32Version version;
    platform::Win32Shell shell;
    platform::Win32Shutdown shutdown;
    platform::Win32Files files;
    platform::Win32Dialogs dialogs{std::string(kApplicationTitle)};
    platform::Platform system{registry, profile, version, shell, shutdown, files, dialogs};

    win32::MainWindow main(instance, system);
    if (!main.Create())
        return 1;
    shell.SetOwner(main.Handle());
    dialogs.SetOwner(main.Handle());
    win32::CreateHiddenForms(instance, main.Handle());

    main.Show(showCommand);
    const int result = main.RunMessageLoop();
    // The Exit button ends the loop without closing: the window goes now.
    if (IsWindow(main.Handle()))
        DestroyWindow(main.Handle());
    return result;
}
