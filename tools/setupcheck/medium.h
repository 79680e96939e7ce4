// The installation folder as the checker sees it: Setup.ini read as the
// launcher reads it, and the files beside it. The Windows shell
// implements it; the checks themselves need no platform.
#pragma once

#include "app/lead_bytes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct PictureSize {
    int width;
    int height;
};

class Medium {
public:
    virtual ~Medium() = default;

    // The folder, ending in a backslash.
    virtual const std::string& Folder() const = 0;
    virtual const LeadByteTable& LeadBytes() const = 0;
    // Where the launcher looks for a bare installer name after its own folder.
    virtual std::vector<std::string> SystemFolders() const = 0;

    // The whole value of a key of Setup.ini, longer than the launcher reads it;
    // none when the key is missing.
    virtual std::optional<std::string> Value(const std::string& section,
                                             const std::string& key) const = 0;
    // An integer as the launcher reads it; the default when missing or empty.
    virtual int Integer(const std::string& section, const std::string& key,
                        int defaultValue) const = 0;
    // Whether text in the code page can hold the character (a Unicode code
    // point) as itself, not as "?" or a look-alike.
    virtual bool CodePageSpells(unsigned codePage, char32_t character) const = 0;

    // Whether a file or folder exists, as the launcher tests it.
    virtual bool Exists(const std::string& path) const = 0;
    virtual bool IsFolder(const std::string& path) const = 0;
    // The first bytes of a file; fewer when it is shorter or cannot be read.
    virtual std::string FileHead(const std::string& path, std::size_t bytes) const = 0;
    // The size of a picture decoded as the launcher decodes it; none when it cannot be.
    virtual std::optional<PictureSize> DecodePicture(const std::string& path) const = 0;
};
