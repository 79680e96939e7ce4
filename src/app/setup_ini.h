// Reading "Setup.ini" beside the program. Every read opens the file afresh.
#pragma once

#include <cstddef>
#include <string>

// Longest value read, in bytes; longer values are cut.
constexpr unsigned kMaxIniValueBytes = 259;

// Full path of "Setup.ini" in the program's folder.
std::string SetupIniPath();

// A localised text or caption: the value, with "\n" turned into a line break.
std::string ReadIniString(const std::string& section, const std::string& key);

// A setting as written (no escape); empty when missing.
std::string ReadIniValue(const std::string& section, const std::string& key);

// An integer setting; the default when missing or empty.
int ReadIniInt(const std::string& section, const std::string& key, int defaultValue);

// The reads above from a given profile file (a full path): at most maxBytes of
// the value, the default when the key is missing.
std::string ReadProfileValue(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue,
                             std::size_t maxBytes);
int ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue);
