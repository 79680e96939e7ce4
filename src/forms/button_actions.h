// What a form's button does when it is clicked: the action words, the web
// address test, the language tokens of targets, where a target is looked for
// and what a failed shell launch means.
#pragma once

#include "app/language.h"
#include "app/lead_bytes.h"

#include <functional>
#include <string>

enum class ButtonAction { kExit, kClickThru, kSubform, kOpen, kMsgBox, kSqlExpress, kUnknown };

// The action a word names, compared without regard to the case of A to Z;
// a double-byte character never matches. Any other word, empty included, is
// kUnknown.
ButtonAction ParseButtonAction(const std::string& word, const LeadByteTable& leadBytes);

// A target holding "http:" or "https:" (case as written) goes to the shell as a
// web address, without an existence test.
bool IsWebAddress(const std::string& target, const LeadByteTable& leadBytes);

// Replaces "$LANGID", "$LANGUAGE" and "$INSTALLLANG" in that order by the
// run's identifier, code and name.
std::string ExpandLanguageTokens(const std::string& text, const RunLanguage& values,
                                 const LeadByteTable& leadBytes);

// Where a target that is not a web address is opened from: the program's own
// copy first (so a same-named file in whatever folder the launcher was started
// from cannot stand in for the one on the medium), then the target as written.
// When neither exists, path is the one joined to the program's folder (the
// path the user is told about) and found is false.
struct ResolvedTarget {
    std::string path;
    bool found;
};
ResolvedTarget ResolveTarget(const std::string& target, const std::string& programFolder,
                             const LeadByteTable& leadBytes,
                             const std::function<bool(const std::string&)>& exists);

// What the shell's answer to an open means for the user.
enum class LaunchError { kNone, kFileNotFound, kNoAssociation, kOpenError };
LaunchError ClassifyLaunchResult(long long shellResult);

// How many forms may be open at once, the first included. A form may open
// itself, directly or through others; each press stacks one more modal form,
// and every form holds its windows, fonts and shading images and a modal loop
// on the stack, so the stack is bounded well before any platform limit.
constexpr int kMaxOpenForms = 16;
