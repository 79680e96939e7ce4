// Path arithmetic for the program's folder and the files inside it.
#pragma once

#include "app/lead_bytes.h"

#include <cstddef>
#include <string>

// The platform's path limit in bytes, terminator included.
constexpr std::size_t kMaxPathBytes = 260;

// The folder, a backslash only when the folder is not empty and does not
// already end in a separator, then the name unchanged. Double-byte characters
// stay whole: one whose trail byte is a backslash ends no folder.
std::string JoinPath(const std::string& folder, const std::string& name,
                     const LeadByteTable& leadBytes);

// Drive and folder of a full file path, ending in its separator:
// D:\setup\launch.exe gives D:\setup\ . Double-byte characters stay whole.
std::string FolderOfFile(const std::string& filePath, const LeadByteTable& leadBytes);

// Whether the platform can take the path at all; a longer one names nothing.
bool FitsPlatformPath(const std::string& path);
