#include "registry/ini_file.h"

#include "registry/error.h"

namespace ventaro {

TIniFile::TIniFile(platform::ProfileApi& api, std::string fileName)
    : api_(api)
    , fileName_(std::move(fileName))
{
}

TIniFile::~TIniFile() { api_.Flush(fileName_); }

std::string TIniFile::ReadString(const std::string& section, const std::string& entry, const std::string& fallback)
{
    return api_.ReadString(fileName_, section, entry, fallback);
}

void TIniFile::WriteString(const std::string& section, const std::string& entry, const std::string& value)
{
    if (!api_.WriteString(fileName_, section, entry, value))
        throw Error(Format("Unable to write to %s", fileName_));
}

std::string WinIniPath(platform::ProfileApi& api) { return api.WindowsDirectory() + "\\Win.ini"; }

} // namespace ventaro
