#include "platform/win32/win32_system.h"

#include <shellapi.h>

namespace ventaro::platform {

static_assert(sizeof(TokenPrivileges) == sizeof(TOKEN_PRIVILEGES), "one privilege entry, as the system lays it out");

long Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
    const std::string& directory, int show)
{
    const auto result = ShellExecuteA(owner_, verb.c_str(), file.c_str(),
        parameters.empty() ? nullptr : parameters.c_str(), directory.empty() ? nullptr : directory.c_str(), show);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

bool Win32Shutdown::OpenProcessToken(std::uint32_t access, TokenHandle& token)
{
    HANDLE handle = nullptr;
    if (!::OpenProcessToken(GetCurrentProcess(), access, &handle))
        return false;
    token = reinterpret_cast<TokenHandle>(handle);
    return true;
}

void Win32Shutdown::CloseToken(TokenHandle token) { CloseHandle(reinterpret_cast<HANDLE>(token)); }

bool Win32Shutdown::LookupPrivilege(const std::string& name, Luid& luid)
{
    LUID native{};
    if (!LookupPrivilegeValueA(nullptr, name.c_str(), &native))
        return false;
    luid.lowPart = native.LowPart;
    luid.highPart = native.HighPart;
    return true;
}

bool Win32Shutdown::AdjustTokenPrivileges(
    TokenHandle token, const TokenPrivileges& state, TokenPrivileges& previous, std::uint32_t& returnLength)
{
    TOKEN_PRIVILEGES next{};
    next.PrivilegeCount = state.count;
    next.Privileges[0].Luid.LowPart = state.luid.lowPart;
    next.Privileges[0].Luid.HighPart = state.luid.highPart;
    next.Privileges[0].Attributes = state.attributes;
    TOKEN_PRIVILEGES before{};
    DWORD length = 0;
    const BOOL ok
        = ::AdjustTokenPrivileges(reinterpret_cast<HANDLE>(token), FALSE, &next, sizeof before, &before, &length);
    previous.count = before.PrivilegeCount;
    previous.luid = Luid{before.Privileges[0].Luid.LowPart, before.Privileges[0].Luid.HighPart};
    previous.attributes = before.Privileges[0].Attributes;
    returnLength = length;
    return ok != FALSE;
}

bool Win32Shutdown::ExitSystem(std::uint32_t flags, std::uint32_t reason)
{
    return ExitWindowsEx(flags, reason) != FALSE;
}

DialogResult Win32Dialogs::Show(DialogKind kind, const std::string& text)
{
    UINT style = MB_OK;
    const char* caption = title_.c_str();
    switch (kind) {
    case DialogKind::Information:
        style = MB_OK | MB_ICONINFORMATION;
        caption = "Information";
        break;
    case DialogKind::Confirmation:
        style = MB_YESNO | MB_ICONQUESTION;
        caption = "Confirm";
        break;
    case DialogKind::Plain:
        break;
    case DialogKind::Error:
        style = MB_OK | MB_ICONERROR;
        break;
    }
    switch (MessageBoxA(owner_, text.c_str(), caption, style | MB_APPLMODAL)) {
    case IDYES:
        return DialogResult::Yes;
    case IDNO:
        return DialogResult::No;
    case IDOK:
        return DialogResult::Ok;
    default:
        return DialogResult::Cancel;
    }
}

} // namespace ventaro::platform
