#include "app/paths.h"

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    const char last = folder.back();
    if (last == '\\' || last == '/')
        return folder + name;
    return folder + '\\' + name;
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
