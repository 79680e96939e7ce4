// The program's own folder, the paths the platform tells, and the existence
// test for paths inside them.
#pragma once

#include "app/paths.h"
#include "framework/program_path.h"

#include <array>
#include <string>

// A path the platform writes into a buffer of kMaxPathBytes through
// query(buffer, size), which answers its length; empty when it cannot or when
// the path does not fit.
template <typename Query> std::string PlatformPath(Query query) {
    char buffer[kMaxPathBytes] = {};
    const auto length = query(buffer, static_cast<unsigned>(sizeof buffer));
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

static_assert(std::tuple_size<WidePath>::value == kMaxPathBytes);

// An existing path in the ANSI code page: as written when the code page spells
// every character of it and it fits the platform, else its short (8.3) form,
// which is plain ASCII; empty when it has neither.
std::string AnsiPath(const wchar_t* path);

// A path the platform writes as wide text (query as for PlatformPath), in the
// ANSI code page as AnsiPath spells it.
template <typename Query> std::string AnsiPlatformPath(Query query) {
    return AnsiPath(PlatformWidePath(query).data());
}

// The folder of the running program, ending in a backslash, as AnsiPath spells
// it; empty when the platform cannot tell it whole or the code page cannot
// spell it (so paths are relative to the current folder).
std::string GetProgramFolder();

// True when a file or folder exists at the path. A path too long for the
// platform names nothing.
bool FileExists(const std::string& path);
