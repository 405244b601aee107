#include "platform/win32/win32_files.h"

#include <windows.h>

#include <vector>

// The interface's names, not the system's ANSI/Unicode macros.
#undef CopyFile
#undef CreateDirectory

namespace ventaro::platform {
namespace {

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

} // namespace

std::string Win32Files::ExecutablePath()
{
    // The path may exceed MAX_PATH; grow until it fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32Files::FileExists(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::DirectoryExists(const std::string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::CreateDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool Win32Files::SetAttributesNormal(const std::string& path)
{
    return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

std::uint32_t Win32Files::CopyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    if (CopyFileA(from.c_str(), to.c_str(), failIfExists ? TRUE : FALSE))
        return kErrorSuccess;
    return GetLastError();
}

std::string Win32Files::ErrorText(std::uint32_t code)
{
    char* text = nullptr;
    const DWORD length
        = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    if (length == 0 || text == nullptr)
        return {};
    std::string result(text, length);
    LocalFree(text);
    // The system ends its texts with CR LF.
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result;
}

} // namespace ventaro::platform
