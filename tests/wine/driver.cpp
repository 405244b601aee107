#include "driver.h"

#include <shlwapi.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace ventaro::e2e {

std::string ExecutableFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

namespace {

struct Search {
    DWORD pid;
    const char* className; // null: message boxes
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window))
        return TRUE;
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, search->className ? search->className : "#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForAnyWindow(const char* className, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
        HWND window = FindWindowA(className, nullptr);
        if (window && IsWindowVisible(window))
            return window;
        Sleep(50);
    }
    return nullptr;
}

std::string ReadString(HKEY root, const std::string& path, const std::string& name, bool* found)
{
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const bool ok
        = SHGetValueA(root, path.c_str(), name.c_str(), &type, buffer, &size) == ERROR_SUCCESS && type == REG_SZ;
    if (found)
        *found = ok;
    return ok ? std::string(buffer) : std::string();
}

DWORD ReadDword(HKEY root, const std::string& path, const std::string& name, bool* found)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const bool ok
        = SHGetValueA(root, path.c_str(), name.c_str(), &type, &value, &size) == ERROR_SUCCESS && type == REG_DWORD;
    if (found)
        *found = ok;
    return ok ? value : 0;
}

bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ValueExists(HKEY root, const std::string& path, const std::string& name)
{
    return SHGetValueA(root, path.c_str(), name.c_str(), nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value)
{
    SHSetValueA(root, path.c_str(), name.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void DeleteTree(HKEY root, const std::string& path) { SHDeleteKeyA(root, path.c_str()); }

std::string WindowsFolder()
{
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void SetWindowsVersion(const std::string& wineVersion)
{
    WriteString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Ventaro.exe", "Version", wineVersion);
}

void SetFirstUseDone(bool done)
{
    if (done)
        WriteString(HKEY_CURRENT_USER, "SOFTWARE\\Ventaro", "FirstUse", "0");
    else
        DeleteTree(HKEY_CURRENT_USER, "SOFTWARE\\Ventaro");
}

Ventaro::Ventaro(const std::string& workingFolder)
{
    std::string command(1, '"');
    command += ExecutableFolder();
    command += "Ventaro.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
            workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &process_))
        throw std::runtime_error("cannot start " + command);
}

Ventaro::~Ventaro()
{
    if (Running()) {
        if (main_ && IsWindow(main_))
            PostMessageA(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND Ventaro::WaitForWindow(const char* className, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 25) {
        Search search{process_.dwProcessId, className, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (!Running())
            return nullptr;
        Sleep(25);
    }
    return nullptr;
}

HWND Ventaro::WaitForMainWindow(DWORD timeoutMs)
{
    main_ = WaitForWindow("TVentaro", timeoutMs);
    if (main_) // let the start-up sequence finish its messages
        SendMessageA(main_, WM_NULL, 0, 0);
    return main_;
}

HWND Ventaro::WaitForMessageBox(DWORD timeoutMs) { return WaitForWindow(nullptr, timeoutMs); }

std::string Ventaro::MessageText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

std::string Ventaro::Caption(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Ventaro::Answer(HWND box, int button)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    // Gone before the next look for a box, which could find this one again.
    for (int waited = 0; waited < 5000 && IsWindow(box) && IsWindowVisible(box); waited += 10)
        Sleep(10);
}

HWND Ventaro::Control(int id) const
{
    // Controls sit on panels inside the main window: search the whole tree.
    struct Find {
        int id;
        HWND found;
    } find{id, nullptr};
    EnumChildWindows(
        main_,
        [](HWND child, LPARAM param) -> BOOL {
            auto* f = reinterpret_cast<Find*>(param);
            if (GetDlgCtrlID(child) == f->id) {
                f->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.found;
}

void Ventaro::Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

void Ventaro::PostClick(int id) { PostMessageA(Control(id), BM_CLICK, 0, 0); }

void Ventaro::PressKey(WORD virtualKey)
{
    PostMessageA(main_, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(main_, WM_KEYUP, virtualKey, 0xC0000001);
}

void Ventaro::SetText(int id, const std::string& text)
{
    SendMessageA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Ventaro::Text(int id) const
{
    char text[256] = {};
    SendMessageA(Control(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool Ventaro::Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Ventaro::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

std::string Ventaro::StatusLine() const
{
    char text[256] = {};
    SendMessageA(Control(203), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void Ventaro::SendCommand(int id) { SendMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void Ventaro::PostCommand(int id) { PostMessageA(main_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool Ventaro::WaitForExit(DWORD timeoutMs)
{
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Ventaro::Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

} // namespace ventaro::e2e
