#include "platform/memory/memory_files.h"

#include <cctype>

namespace ventaro::platform {
namespace {

// One spelling per path: lower case, backslashes, no doubled or trailing one
// (but the two that open a network path).
std::string Key(const std::string& path)
{
    std::string key;
    for (char c : path) {
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\\' && key.size() > 1 && key.back() == '\\')
            continue;
        key += c;
    }
    while (key.size() > 1 && key.back() == '\\')
        key.pop_back();
    return key;
}

std::string Parent(const std::string& key)
{
    const auto separator = key.find_last_of('\\');
    return separator == std::string::npos ? std::string() : key.substr(0, separator);
}

} // namespace

void MemoryFiles::AddFolder(const std::string& path)
{
    for (std::string key = Key(path); !key.empty(); key = Parent(key))
        folders_.insert(key);
}

void MemoryFiles::AddFile(const std::string& path, std::string bytes, std::uint32_t attributes)
{
    const std::string key = Key(path);
    if (const std::string parent = Parent(key); !parent.empty())
        AddFolder(parent);
    files_[key] = File{std::move(bytes), attributes};
}

void MemoryFiles::SetAttributes(const std::string& path, std::uint32_t attributes)
{
    files_.at(Key(path)).attributes = attributes;
}

void MemoryFiles::FailCopies(const std::string& path, std::uint32_t error) { failures_[Key(path)] = error; }

std::optional<MemoryFiles::File> MemoryFiles::Get(const std::string& path) const
{
    const auto it = files_.find(Key(path));
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}

bool MemoryFiles::FileExists(const std::string& path) { return files_.contains(Key(path)); }

bool MemoryFiles::DirectoryExists(const std::string& path) { return folders_.contains(Key(path)); }

bool MemoryFiles::CreateDirectory(const std::string& path)
{
    const std::string key = Key(path);
    const std::string parent = Parent(key);
    if (folders_.contains(key) || files_.contains(key) || (!parent.empty() && !folders_.contains(parent)))
        return false;
    folders_.insert(key);
    return true;
}

bool MemoryFiles::SetAttributesNormal(const std::string& path)
{
    const auto it = files_.find(Key(path));
    if (it != files_.end()) {
        it->second.attributes = 0;
        return true;
    }
    return folders_.contains(Key(path));
}

std::uint32_t MemoryFiles::CopyFile(const std::string& from, const std::string& to, bool failIfExists)
{
    const std::string source = Key(from);
    const std::string target = Key(to);
    for (const auto& key : {source, target})
        if (const auto it = failures_.find(key); it != failures_.end())
            return it->second;

    const auto in = files_.find(source);
    if (in == files_.end())
        return folders_.contains(Parent(source)) ? kErrorFileNotFound : kErrorPathNotFound;
    if (!folders_.contains(Parent(target)))
        return kErrorPathNotFound;
    if (folders_.contains(target))
        return kErrorAccessDenied;
    if (const auto out = files_.find(target); out != files_.end()) {
        if (failIfExists)
            return kErrorFileExists;
        if (out->second.attributes & (ReadOnly | Hidden))
            return kErrorAccessDenied;
    }
    // The copy takes the source's attributes along with its bytes.
    files_[target] = in->second;
    copies_.emplace_back(from, to);
    return kErrorSuccess;
}

std::string MemoryFiles::ErrorText(std::uint32_t code)
{
    if (const auto it = errorTexts_.find(code); it != errorTexts_.end())
        return it->second;
    switch (code) {
    case kErrorFileNotFound:
        return "The system cannot find the file specified.";
    case kErrorPathNotFound:
        return "The system cannot find the path specified.";
    case kErrorAccessDenied:
        return "Access is denied.";
    case kErrorSharingViolation:
        return "The process cannot access the file because it is being used by another process.";
    case kErrorFileExists:
        return "The file exists.";
    default:
        return {};
    }
}

} // namespace ventaro::platform
