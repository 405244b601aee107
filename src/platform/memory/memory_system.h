#pragma once

#include "platform/dialogs_api.h"
#include "platform/shell_api.h"
#include "platform/shutdown_api.h"

#include <deque>
#include <string>
#include <vector>

namespace ventaro::platform {

// Shell execution that only records what was asked.
class MemoryShell final : public ShellApi {
public:
    struct Call {
        std::string verb, file, parameters, directory;
        int show;
    };
    long Execute(const std::string& verb, const std::string& file, const std::string& parameters,
        const std::string& directory, int show) override
    {
        calls.push_back({verb, file, parameters, directory, show});
        return result;
    }

    std::vector<Call> calls;
    long result = 42;
};

// The shutdown calls, answering as a test sets and recording each step.
class MemoryShutdown final : public ShutdownApi {
public:
    bool OpenProcessToken(std::uint32_t access, TokenHandle& token) override
    {
        steps.push_back("OpenProcessToken " + std::to_string(access));
        token = 0x77;
        return tokenOpens;
    }
    void CloseToken(TokenHandle) override { steps.push_back("CloseToken"); }
    bool LookupPrivilege(const std::string& name, Luid& luid) override
    {
        steps.push_back("LookupPrivilegeValue " + name);
        luid = Luid{19, 0};
        return lookupSucceeds;
    }
    bool AdjustTokenPrivileges(
        TokenHandle, const TokenPrivileges& state, TokenPrivileges&, std::uint32_t& returnLength) override
    {
        steps.push_back("AdjustTokenPrivileges " + std::to_string(state.count) + " "
            + std::to_string(state.luid.lowPart) + " " + std::to_string(state.attributes));
        returnLength = sizeof(TokenPrivileges);
        return true;
    }
    bool ExitSystem(std::uint32_t flags, std::uint32_t reason) override
    {
        steps.push_back("ExitWindows " + std::to_string(flags) + " " + std::to_string(reason));
        return exitSucceeds;
    }

    std::vector<std::string> steps;
    bool tokenOpens = true;
    bool lookupSucceeds = true;
    bool exitSucceeds = true;
};

// Message boxes answered from a script; every box shown is recorded.
class ScriptedDialogs final : public DialogsApi {
public:
    struct Shown {
        DialogKind kind;
        std::string text;
    };
    DialogResult Show(DialogKind kind, const std::string& text) override
    {
        shown.push_back({kind, text});
        if (answers.empty())
            return kind == DialogKind::Confirmation ? DialogResult::No : DialogResult::Ok;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<DialogResult> answers;
    std::vector<Shown> shown;
};

} // namespace ventaro::platform
