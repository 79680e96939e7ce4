#include "app/setup_ini.h"

#include "app/program_folder.h"
#include "app/system_code_page.h"
#include "app/text_escape.h"

#include <windows.h>

#include <vector>

std::string SetupIniPath() {
    return JoinPath(GetProgramFolder(), "Setup.ini", CurrentLeadBytes());
}

std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue,
                             std::size_t maxBytes) {
    if (!FitsPlatformPath(file))
        return defaultValue;
    std::vector<char> value(maxBytes + 1, '\0');
    const DWORD length =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), value.data(),
                                   static_cast<DWORD>(value.size()), file.c_str());
    return std::string(value.data(), length < value.size() ? length : 0);
}

int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue) {
    if (!FitsPlatformPath(file))
        return defaultValue;
    return static_cast<int>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

std::string ReadIniValue(const std::string& section, const std::string& key) {
    return ReadProfileValue(SetupIniPath(), section, key, "", kMaxIniValueBytes);
}

std::string ReadIniString(const std::string& section, const std::string& key) {
    return ExpandLineBreaks(ReadIniValue(section, key), CurrentLeadBytes());
}

int ReadIniInt(const std::string& section, const std::string& key, int defaultValue) {
    return ReadProfileInt(SetupIniPath(), section, key, defaultValue);
}
