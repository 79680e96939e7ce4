// What every check of a medium shares: the folder, the line index of its
// Setup.ini, its languages, the picture's size and the findings so far.
#pragma once

#include "findings.h"
#include "forms/button_actions.h"
#include "ini_line_index.h"
#include "medium.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

// A language section and the token values a run in that language has.
struct CheckLanguage {
    std::string section; // as written, e.g. "fr"
    RunLanguage tokens;  // tokens.language is the code as the launcher holds it, e.g. "FR"
};

// The language sections: [XX] of two ASCII letters that hold some "IDS_" key,
// so that a form named with two letters does not count.
std::vector<CheckLanguage> FindLanguages(const IniLineIndex& index);

class CheckContext {
public:
    CheckContext(const Medium& medium, IniLineIndex index);

    const Medium& medium;
    const IniLineIndex index;
    const std::vector<CheckLanguage> languages;
    // The languages a run can have: those of the file, or the fallback code
    // when the file has none (tokens and licence paths still need one).
    const std::vector<CheckLanguage> runLanguages;
    std::optional<PictureSize> picture;
    std::vector<Finding> findings;
    // Fixed keys some reachable button makes the launcher read.
    std::set<std::string> neededFixedKeys;
    bool licenceNeeded = false;

    void Report(Severity severity, int line, const std::string& message);

    // A plain read of the launcher: at most 259 bytes, empty when missing.
    std::string Read(const std::string& section, const std::string& key) const;
    // A localised text as the launcher reads it: cut, with "\n" as line breaks.
    std::string ReadText(const std::string& section, const std::string& key) const;

    // The languages whose section lacks the key, as "[FR], [JA]"; empty when none does.
    std::string LanguagesLacking(const std::string& key) const;
    // Warns once per key when some language lacks a key a button names.
    void RequireTextKey(const std::string& key, int line, const std::string& what);

private:
    std::set<std::string> m_requiredKeys;
};

// "[a], [b]": section names as the file writes them.
std::string ListSections(const std::vector<std::string>& sections);
