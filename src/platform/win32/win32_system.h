#pragma once

#include "platform/dialogs_api.h"
#include "platform/shell_api.h"
#include "platform/shutdown_api.h"

#include <windows.h>

#include <string>

namespace ventaro::platform {

// Shell execution owned by the main window (null until it exists).
class Win32Shell final : public ShellApi {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    long Execute(const std::string& verb, const std::string& file, const std::string& parameters,
        const std::string& directory, int show) override;

private:
    HWND owner_ = nullptr;
};

class Win32Shutdown final : public ShutdownApi {
public:
    bool OpenProcessToken(std::uint32_t access, TokenHandle& token) override;
    void CloseToken(TokenHandle token) override;
    bool LookupPrivilege(const std::string& name, Luid& luid) override;
    bool AdjustTokenPrivileges(TokenHandle token, const TokenPrivileges& state, TokenPrivileges& previous,
        std::uint32_t& returnLength) override;
    bool ExitSystem(std::uint32_t flags, std::uint32_t reason) override;
};

// The system's message boxes, modal to the main window.
class Win32Dialogs final : public DialogsApi {
public:
    explicit Win32Dialogs(std::string applicationTitle)
        : title_(std::move(applicationTitle))
    {
    }
    void SetOwner(HWND owner) { owner_ = owner; }
    DialogResult Show(DialogKind kind, const std::string& text) override;

private:
    std::string title_;
    HWND owner_ = nullptr;
};

} // namespace ventaro::platform
