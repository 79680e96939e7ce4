#include "app/setup_ini.h"

#include "app/program_folder.h"
#include "app/system_code_page.h"
#include "app/text_escape.h"

#include <windows.h>

std::string SetupIniPath() {
    return JoinPath(GetProgramFolder(), "Setup.ini");
}

std::string ReadIniValue(const std::string& section, const std::string& key) {
    const std::string file = SetupIniPath();
    if (!FitsPlatformPath(file))
        return std::string();
    char value[kMaxIniValueBytes + 1] = {};
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value,
                                                    sizeof value, file.c_str());
    return std::string(value, length < sizeof value ? length : 0);
}

std::string ReadIniString(const std::string& section, const std::string& key) {
    return ExpandLineBreaks(ReadIniValue(section, key), CurrentLeadBytes());
}

int ReadIniInt(const std::string& section, const std::string& key, int defaultValue) {
    const std::string file = SetupIniPath();
    if (!FitsPlatformPath(file))
        return defaultValue;
    return static_cast<int>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}
