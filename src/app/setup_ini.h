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

// The reads above as one profile object, for the readers that take their
// values through one (the designer gives them its document instead). Always
// inlined: the launcher's readers compile to the direct calls they were.
struct ProgramProfile {
    [[gnu::always_inline]] std::string Value(const std::string& section,
                                             const std::string& key) const {
        return ReadIniValue(section, key);
    }
    [[gnu::always_inline]] std::string Text(const std::string& section,
                                            const std::string& key) const {
        return ReadIniString(section, key);
    }
    [[gnu::always_inline]] int Int(const std::string& section, const std::string& key,
                                   int defaultValue) const {
        return ReadIniInt(section, key, defaultValue);
    }
};
