#pragma once

#include "platform/platform.h"
#include "registry/catalogue.h"
#include "registry/registry.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ventaro {

// The writes of Optimize and of the defaults, each at its catalogued place,
// through one registry object rooted at HKEY_LOCAL_MACHINE. The open key is
// closed before every open, so that every path resolves from the root.
class CatalogueWriter {
public:
    explicit CatalogueWriter(platform::Platform& platform);

    void Open(const std::string& path);
    void CreateKey(std::string_view path);

    // Strings go through the INI-style write into the open key: the value's
    // own key is the section, created when missing.
    void String(catalogue::V value, const std::string& text);
    void Strings(std::initializer_list<std::pair<catalogue::V, const char*>> values);

    // Numbers through WriteRegistryInteger, which never creates the key; by
    // default at the key's path as the readers spell it.
    void Integer(catalogue::V value, std::int32_t number);
    void Integer(catalogue::V value, std::int32_t number, std::string_view path);

    // One byte, its key opened with creation allowed.
    void Byte(catalogue::V value, std::uint8_t byte);
    void Byte(catalogue::V value, std::uint8_t byte, const std::string& path);

    // Deletes values of the open key; a value that is not there is no error.
    void Delete(std::initializer_list<catalogue::V> values);
    // The Internet Explorer limits live under the current user.
    void DeleteUserValues(std::string_view path, std::initializer_list<catalogue::V> values);
    // Values held directly in a key, deleted INI-style with no key open;
    // subkeys of those names stay.
    void DeleteDirectValues(const catalogue::Key& key, std::initializer_list<catalogue::V> values);

private:
    platform::Platform& platform_;
    TRegIniFile reg_;
};

// The five port lines of Win.ini, all set to one line.
void WritePortLines(platform::ProfileApi& profile, std::string_view line);

} // namespace ventaro
