// Reading "Setup.ini" beside the program. Every read opens the file afresh.
#pragma once

#include "app/ini_encoding.h"

#include <cstddef>
#include <string>

// Longest value read, in bytes; longer values are cut.
constexpr unsigned kMaxIniValueBytes = 259;

// Full path of "Setup.ini" in the program's folder.
std::string SetupIniPath();

// Tells, once at start-up, how the reads below take the file's bytes. Before
// it is called they are taken in the system's code page.
void DetectSetupIniEncoding();

// A section or key name as the profile functions take it, made from a literal
// or a string without a copy (the reads are many, and their callers small).
class IniName {
public:
    IniName(const char* name) : m_name(name) {}
    IniName(const std::string& name) : m_name(name.c_str()) {}
    const char* c_str() const { return m_name; }

private:
    const char* m_name;
};

// A localised text or caption: the value, with "\n" turned into a line break.
std::string ReadIniString(IniName section, IniName key);

// A setting as written (no escape); empty when missing.
std::string ReadIniValue(IniName section, IniName key);

// An integer setting; the default when missing or empty.
int ReadIniInt(IniName section, IniName key, int defaultValue);

// The reads above from a given profile file (a full path): at most maxBytes of
// the value, the default when the key is missing. A UTF-8 file's texts come in
// the system's code page, with "?" for each character it cannot spell.
std::string ReadProfileValue(const std::string& file, IniName section, IniName key,
                             const char* defaultValue, std::size_t maxBytes,
                             IniEncoding encoding = IniEncoding::kCodePage);
int ReadProfileInt(const std::string& file, IniName section, IniName key, int defaultValue,
                   IniEncoding encoding = IniEncoding::kCodePage);

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
