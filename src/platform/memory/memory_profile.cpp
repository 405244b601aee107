#include "platform/memory/memory_profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace ventaro::platform {
namespace {

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct Lines {
    std::vector<std::string> text; // without their CR LF
};

// Windows paths name host files here: backslashes become slashes.
std::string HostPath(std::string file)
{
    for (auto& c : file)
        if (c == '\\')
            c = '/';
    return file;
}

Lines Load(const std::string& file)
{
    Lines lines;
    std::ifstream in(HostPath(file), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.text.push_back(line);
    }
    return lines;
}

std::optional<std::string> SectionName(const std::string& line)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const auto close = t.find(']');
    if (close == std::string::npos)
        return Trim(t.substr(1));
    return Trim(t.substr(1, close - 1));
}

// The entry name of a line, when it has one.
std::optional<std::string> EntryName(const std::string& line)
{
    const auto eq = line.find('=');
    if (eq == std::string::npos || Trim(line).starts_with(";"))
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string EntryValue(const std::string& line)
{
    std::string v = Trim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// Index range [begin, end) of the section's body, or nothing.
std::optional<std::pair<std::size_t, std::size_t>> FindSection(const Lines& lines, const std::string& section)
{
    for (std::size_t i = 0; i < lines.text.size(); ++i) {
        const auto name = SectionName(lines.text[i]);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.text.size() && !SectionName(lines.text[end]))
            ++end;
        return std::pair{i + 1, end};
    }
    return std::nullopt;
}

} // namespace

MemoryProfile::MemoryProfile(std::string windowsDirectory)
    : windowsDirectory_(std::move(windowsDirectory))
{
}

std::string MemoryProfile::ReadString(
    const std::string& file, const std::string& section, const std::string& entry, const std::string& fallback)
{
    const Lines lines = Load(file);
    std::string result = fallback;
    if (const auto body = FindSection(lines, section)) {
        for (std::size_t i = body->first; i < body->second; ++i) {
            const auto name = EntryName(lines.text[i]);
            if (name && SameName(*name, Trim(entry))) {
                result = EntryValue(lines.text[i]);
                break;
            }
        }
    }
    if (result.size() > kProfileReadLimit)
        result.resize(kProfileReadLimit);
    return result;
}

bool MemoryProfile::WriteString(
    const std::string& file, const std::string& section, const std::string& entry, const std::string& value)
{
    Lines lines = Load(file);
    const std::string line = Trim(entry) + "=" + value;
    if (const auto body = FindSection(lines, section)) {
        std::size_t insertAt = body->first;
        bool replaced = false;
        for (std::size_t i = body->first; i < body->second; ++i) {
            if (!Trim(lines.text[i]).empty())
                insertAt = i + 1;
            const auto name = EntryName(lines.text[i]);
            if (name && SameName(*name, Trim(entry))) {
                // The entry keeps the spelling it had.
                lines.text[i] = *name + "=" + value;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            lines.text.insert(lines.text.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    } else {
        lines.text.push_back("[" + section + "]");
        lines.text.push_back(line);
    }
    std::ofstream out(HostPath(file), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const auto& l : lines.text)
        out << l << "\r\n";
    return static_cast<bool>(out.flush());
}

void MemoryProfile::Flush(const std::string&)
{
    // Writes go straight to disk; only count the request.
    ++flushes_;
}

} // namespace ventaro::platform
