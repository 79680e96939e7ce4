#include "app/paths.h"

std::string JoinPath(const std::string& folder, const std::string& name,
                     const LeadByteTable& leadBytes) {
    if (folder.empty())
        return name;
    // Ends in a separator only when its last separator, found character by
    // character, is its last byte: a trail byte 0x5C is no separator.
    const bool endsInSeparator = FolderOfFile(folder, leadBytes).size() == folder.size() &&
                                 (folder.back() == '\\' || folder.back() == '/');
    return endsInSeparator ? folder + name : folder + '\\' + name;
}

std::string FolderOfFile(const std::string& filePath, const LeadByteTable& leadBytes) {
    size_t end = 0; // one past the last separator (or drive colon) seen
    for (size_t i = 0; i < filePath.size();) {
        const size_t length = leadBytes.CharLength(filePath, i);
        if (length == 1) {
            const char c = filePath[i];
            if (c == '\\' || c == '/' || (c == ':' && i == 1))
                end = i + 1;
        }
        i += length;
    }
    return filePath.substr(0, end);
}

bool FitsPlatformPath(const std::string& path) {
    return path.size() < kMaxPathBytes;
}
