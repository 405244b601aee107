#pragma once

#include "platform/memory/memory_files.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system.h"
#include "platform/memory/memory_version.h"
#include "platform/platform.h"

#include <unistd.h>

#include <filesystem>
#include <string>

namespace ventaro::test {

// The whole in-memory platform, with a Windows folder on disk for Win.ini.
struct TestPlatform {
    TestPlatform()
        : windowsFolder(MakeFolder())
        , profile(windowsFolder.string())
    {
        version.Set(2, 5, 1, "Service Pack 3");
    }
    ~TestPlatform() { std::filesystem::remove_all(windowsFolder); }
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    std::string WinIni() const { return (windowsFolder / "Win.ini").string(); }

    std::filesystem::path windowsFolder;
    platform::MemoryRegistry registry;
    platform::MemoryProfile profile;
    platform::MemoryVersion version;
    platform::MemoryShell shell;
    platform::MemoryShutdown shutdown;
    platform::MemoryFiles files;
    platform::ScriptedDialogs dialogs;
    platform::Platform api{registry, profile, version, shell, shutdown, files, dialogs};

private:
    static std::filesystem::path MakeFolder()
    {
        static int counter = 0;
        auto folder = std::filesystem::temp_directory_path()
            / ("ventaro-windows-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(folder);
        return folder;
    }
};

} // namespace ventaro::test
