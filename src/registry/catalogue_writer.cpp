#include "registry/catalogue_writer.h"

#include "registry/ini_file.h"

namespace ventaro {

using namespace catalogue;

CatalogueWriter::CatalogueWriter(platform::Platform& platform)
    : platform_(platform)
    , reg_(platform.registry)
{
    reg_.SetRootKey(platform::kLocalMachine);
}

void CatalogueWriter::Open(const std::string& path)
{
    reg_.CloseKey();
    reg_.OpenKey(path, true);
}

void CatalogueWriter::CreateKey(std::string_view path)
{
    reg_.CloseKey();
    reg_.CreateKey(std::string(path));
}

void CatalogueWriter::String(V value, const std::string& text)
{
    reg_.WriteString(std::string(Section(*Row(value).key)), ValueName(value), text);
}

void CatalogueWriter::Strings(std::initializer_list<std::pair<V, const char*>> values)
{
    for (const auto& [value, text] : values)
        String(value, text);
}

void CatalogueWriter::Integer(V value, std::int32_t number) { Integer(value, number, Row(value).key->path); }

void CatalogueWriter::Integer(V value, std::int32_t number, std::string_view path)
{
    WriteRegistryInteger(platform_.registry, Row(value).key->root, std::string(path), ValueName(value), number);
}

void CatalogueWriter::Byte(V value, std::uint8_t byte) { Byte(value, byte, std::string(Row(value).key->path)); }

void CatalogueWriter::Byte(V value, std::uint8_t byte, const std::string& path)
{
    Open(path);
    reg_.WriteBinaryData(ValueName(value), &byte, 1);
}

void CatalogueWriter::Delete(std::initializer_list<V> values)
{
    for (const auto value : values)
        reg_.DeleteValue(ValueName(value));
}

void CatalogueWriter::DeleteUserValues(std::string_view path, std::initializer_list<V> values)
{
    reg_.CloseKey();
    reg_.SetRootKey(platform::kCurrentUser);
    reg_.OpenKey(std::string(path), true);
    Delete(values);
}

void CatalogueWriter::DeleteDirectValues(const Key& key, std::initializer_list<V> values)
{
    reg_.CloseKey();
    for (const auto value : values)
        reg_.DeleteKey(std::string(key.path), ValueName(value));
}

void WritePortLines(platform::ProfileApi& profile, std::string_view line)
{
    TIniFile ini(profile, WinIniPath(profile));
    for (const auto entry : kPortEntries)
        ini.WriteString(std::string(kPortsSection), std::string(entry), std::string(line));
}

} // namespace ventaro
