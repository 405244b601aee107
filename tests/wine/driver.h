#pragma once

// Drives the real Ventaro.exe from another process, through the automation
// contract: window class "TVentaro", the control IDs of the command and panel
// tables, and the system's own message boxes.
#include <windows.h>

#include <string>

namespace ventaro::e2e {

// Registry helpers for set-up and checks, on the prefix the tests run in.
std::string ReadString(HKEY root, const std::string& path, const std::string& name, bool* found = nullptr);
DWORD ReadDword(HKEY root, const std::string& path, const std::string& name, bool* found = nullptr);
bool KeyExists(HKEY root, const std::string& path);
bool ValueExists(HKEY root, const std::string& path, const std::string& name);
void WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value);
void DeleteTree(HKEY root, const std::string& path);
std::string WindowsFolder();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// A visible top-level window of any process with this class, or null.
HWND WaitForAnyWindow(const char* className, DWORD timeoutMs);
std::string ExecutableFolder();

// Wine reports this version ("win95" ... "winxp", "win7") to Ventaro.exe.
void SetWindowsVersion(const std::string& wineVersion);
// Marks the first-use notice as shown, or as due.
void SetFirstUseDone(bool done);

class Ventaro {
public:
    // Starts Ventaro.exe from the test program's folder, in 'workingFolder'
    // when given.
    explicit Ventaro(const std::string& workingFolder = "");
    ~Ventaro();
    Ventaro(const Ventaro&) = delete;
    Ventaro& operator=(const Ventaro&) = delete;

    // The main window once it is visible (start-up done), or null.
    HWND WaitForMainWindow(DWORD timeoutMs = 15000);
    HWND Main() const { return main_; }
    // A visible top-level window of the process with this class, or null.
    HWND WaitForWindow(const char* className, DWORD timeoutMs = 10000);
    // A visible message box of the process, or null.
    HWND WaitForMessageBox(DWORD timeoutMs = 10000);
    static std::string MessageText(HWND box);
    static std::string Caption(HWND window);
    // Answers a message box by its button ID (IDOK, IDYES, IDNO) and waits
    // until it has closed.
    static void Answer(HWND box, int button);

    HWND Control(int id) const;
    // Clicks a control and waits for the click to be handled.
    void Click(int id);
    // Clicks without waiting, for controls that open a modal box.
    void PostClick(int id);
    // Presses a function key through the accelerators.
    void PressKey(WORD virtualKey);
    // Sets a field's text the way typing would reach it.
    void SetText(int id, const std::string& text);
    std::string Text(int id) const;
    bool Checked(int id) const;
    bool Enabled(int id) const;
    std::string StatusLine() const;
    void SendCommand(int id);
    void PostCommand(int id);

    bool WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;
    DWORD ProcessId() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

} // namespace ventaro::e2e
