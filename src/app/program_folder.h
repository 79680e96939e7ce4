// The program's own folder and the existence test for paths inside it.
#pragma once

#include "app/paths.h"

#include <string>

// A path the platform writes into a buffer of kMaxPathBytes through
// query(buffer, size), which answers its length; empty when it cannot or when
// the path does not fit.
template <typename Query> std::string PlatformPath(Query query) {
    char buffer[kMaxPathBytes] = {};
    const auto length = query(buffer, static_cast<unsigned>(sizeof buffer));
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// The folder of the running program, ending in a backslash; empty when the
// platform cannot tell it whole (so paths are relative to the current folder).
std::string GetProgramFolder();

// True when a file or folder exists at the path. A path too long for the
// platform names nothing.
bool FileExists(const std::string& path);
