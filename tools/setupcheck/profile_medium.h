// A medium on this system: Setup.ini read by the launcher's own reads, files tested and pictures
// decoded as the launcher does.
#pragma once

#include "app/ini_encoding.h"
#include "medium.h"

#include <string>

class ProfileMedium : public Medium {
public:
    // The folder as a full path; a backslash is added when it lacks one.
    explicit ProfileMedium(const std::string& folder);

    const std::string& Folder() const override { return m_folder; }
    const LeadByteTable& LeadBytes() const override;
    std::vector<std::string> SystemFolders() const override;
    std::optional<std::string> Value(const std::string& section,
                                     const std::string& key) const override;
    int Integer(const std::string& section, const std::string& key,
                int defaultValue) const override;
    bool CodePageSpells(unsigned codePage, char32_t character) const override;
    bool Exists(const std::string& path) const override;
    bool IsFolder(const std::string& path) const override;
    std::string FileHead(const std::string& path, std::size_t bytes) const override;
    std::optional<PictureSize> DecodePicture(const std::string& path) const override;

    const std::string& SetupIniPath() const { return m_setupIni; }

private:
    std::string m_folder;
    std::string m_setupIni;
    IniEncoding m_encoding;
};
