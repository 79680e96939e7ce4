#include "profile_medium.h"

#include "app/program_folder.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "dialogs/installer_process.h"
#include "framework/file.h"
#include "framework/image.h"
#include "framework/narrow_text.h"

#include <windows.h>

namespace {

// Longer than any value worth reading whole: enough to tell how far past the
// launcher's 259 bytes a value goes.
constexpr std::size_t kWholeValueBytes = 65535;

// Returned for a missing key; no value of a Setup.ini holds control characters.
const std::string kMissing = "\x01\x02missing\x02\x01";

// How the launcher will read the file, told as it tells it at start-up.
IniEncoding EncodingOf(const std::string& path) {
    std::string bytes;
    CFile file;
    if (file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        file.ReadToEnd(bytes);
    return DetectIniEncoding(bytes);
}

} // namespace

ProfileMedium::ProfileMedium(const std::string& folder)
    : m_folder(JoinPath(folder, "", CurrentLeadBytes())),
      m_setupIni(JoinPath(m_folder, "Setup.ini", CurrentLeadBytes())),
      m_encoding(EncodingOf(m_setupIni)) {}

const LeadByteTable& ProfileMedium::LeadBytes() const {
    return CurrentLeadBytes();
}

std::vector<std::string> ProfileMedium::SystemFolders() const {
    return InstallerSystemFolders();
}

std::optional<std::string> ProfileMedium::Value(const std::string& section,
                                                const std::string& key) const {
    std::string value =
        ReadProfileValue(m_setupIni, section, key, kMissing.c_str(), kWholeValueBytes, m_encoding);
    if (value == kMissing)
        return std::nullopt;
    return value;
}

int ProfileMedium::Integer(const std::string& section, const std::string& key,
                           int defaultValue) const {
    return ReadProfileInt(m_setupIni, section, key, defaultValue, m_encoding);
}

bool ProfileMedium::CodePageSpells(unsigned codePage, char32_t character) const {
    wchar_t units[2];
    int count = 1;
    if (character > 0xFFFF) {
        units[0] = static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(character);
    }
    return !NarrowText(std::wstring_view(units, count), codePage, Spelling::Exact).empty();
}

bool ProfileMedium::Exists(const std::string& path) const {
    return FileExists(path);
}

bool ProfileMedium::IsFolder(const std::string& path) const {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProfileMedium::FileHead(const std::string& path, std::size_t bytes) const {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return std::string();
    std::string head(bytes, '\0');
    try {
        head.resize(file.Read(head.data(), static_cast<UINT>(head.size())));
    } catch (const CFileException&) {
        head.clear();
    }
    return head;
}

std::optional<PictureSize> ProfileMedium::DecodePicture(const std::string& path) const {
    CImage image;
    if (FAILED(image.Load(path)) || image.IsNull())
        return std::nullopt;
    return PictureSize{image.GetWidth(), image.GetHeight()};
}
