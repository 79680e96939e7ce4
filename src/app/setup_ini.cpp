#include "app/setup_ini.h"

#include "app/ansi_from_utf8.h"
#include "app/profile_text.h"
#include "app/program_folder.h"
#include "app/system_code_page.h"
#include "app/text_escape.h"
#include "framework/file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

// Told once at start-up; until then (and in programs that never tell it) the
// file is read in the code page, as it always was.
IniEncoding g_setupIniEncoding = IniEncoding::kCodePage;

// The whole file; empty when it cannot be read.
std::string FileBytes(const std::string& file) {
    std::string bytes;
    CFile read;
    if (read.Open(file, CFile::modeRead | CFile::shareDenyNone))
        read.ReadToEnd(bytes);
    return bytes;
}

} // namespace

std::string SetupIniPath() {
    return JoinPath(GetProgramFolder(), "Setup.ini", CurrentLeadBytes());
}

void DetectSetupIniEncoding() {
    g_setupIniEncoding = DetectIniEncoding(FileBytes(SetupIniPath()));
}

std::string ReadProfileValue(const std::string& file, IniName section, IniName key,
                             const char* defaultValue, std::size_t maxBytes, IniEncoding encoding) {
    if (!FitsPlatformPath(file))
        return defaultValue;
    if (IsUtf8(encoding)) {
        // A UTF-8 file is not given to the profile functions: a byte-order
        // mark hides the first section from some and is decoded by others, and
        // their own reading in a double-byte code page can break characters.
        // Read afresh at each value, as they read it.
        const std::string text = AnsiFromUtf8(FileBytes(file));
        const std::optional<std::string_view> value =
            FindProfileValue(text, section.c_str(), key.c_str());
        return value ? std::string(value->data(), std::min(value->size(), maxBytes))
                     : std::string(defaultValue);
    }
    std::vector<char> value(maxBytes + 1, '\0');
    const DWORD length =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue, value.data(),
                                   static_cast<DWORD>(value.size()), file.c_str());
    return std::string(value.data(), length < value.size() ? length : 0);
}

int ReadProfileInt(const std::string& file, IniName section, IniName key, int defaultValue,
                   IniEncoding encoding) {
    if (IsUtf8(encoding))
        return ProfileInteger(ReadProfileValue(file, section, key, "", kMaxIniValueBytes, encoding),
                              defaultValue);
    if (!FitsPlatformPath(file))
        return defaultValue;
    return static_cast<int>(
        ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

std::string ReadIniValue(IniName section, IniName key) {
    return ReadProfileValue(SetupIniPath(), section, key, "", kMaxIniValueBytes,
                            g_setupIniEncoding);
}

std::string ReadIniString(IniName section, IniName key) {
    return ExpandLineBreaks(ReadIniValue(section, key), CurrentLeadBytes());
}

int ReadIniInt(IniName section, IniName key, int defaultValue) {
    return ReadProfileInt(SetupIniPath(), section, key, defaultValue, g_setupIniEncoding);
}
