#pragma once

#include "platform/dialogs_api.h"
#include "platform/files_api.h"
#include "platform/profile_api.h"
#include "platform/registry_api.h"
#include "platform/shell_api.h"
#include "platform/shutdown_api.h"
#include "platform/version_api.h"

namespace ventaro::platform {

// Everything Ventaro asks of the operating system, in one place. The real
// program binds the Win32 implementations, tests the in-memory ones.
struct Platform {
    RegistryApi& registry;
    ProfileApi& profile;
    VersionApi& version;
    ShellApi& shell;
    ShutdownApi& shutdown;
    FilesApi& files;
    DialogsApi& dialogs;
};

} // namespace ventaro::platform
