#include "forms/button_actions.h"

#include "app/ascii_case.h"
#include "app/paths.h"
#include "app/tokens.h"

namespace {

// Equal, but for the case of A to Z; a double-byte character only equals itself,
// and the words compared against are plain ASCII.
bool EqualsIgnoringCase(const std::string& text, const char* word, const LeadByteTable& leadBytes) {
    const std::string other = word;
    if (text.size() != other.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (leadBytes.CharLength(text, i) != 1)
            return false;
        if (LowerAscii(text[i]) != LowerAscii(other[i]))
            return false;
    }
    return true;
}

} // namespace

ButtonAction ParseButtonAction(const std::string& word, const LeadByteTable& leadBytes) {
    static const struct {
        const char* word;
        ButtonAction action;
    } kWords[] = {{"exit", ButtonAction::kExit},       {"clickThru", ButtonAction::kClickThru},
                  {"subform", ButtonAction::kSubform}, {"open", ButtonAction::kOpen},
                  {"msgbox", ButtonAction::kMsgBox},   {"sqlexpress", ButtonAction::kSqlExpress}};
    for (const auto& entry : kWords)
        if (EqualsIgnoringCase(word, entry.word, leadBytes))
            return entry.action;
    return ButtonAction::kUnknown;
}

bool IsWebAddress(const std::string& target, const LeadByteTable& leadBytes) {
    return ContainsText(target, "http:", leadBytes) || ContainsText(target, "https:", leadBytes);
}

std::string ExpandLanguageTokens(const std::string& text, const RunLanguage& values,
                                 const LeadByteTable& leadBytes) {
    std::string result = ReplaceToken(text, "$LANGID", values.langId, leadBytes);
    result = ReplaceToken(result, "$LANGUAGE", values.language, leadBytes);
    return ReplaceToken(result, "$INSTALLLANG", values.installLang, leadBytes);
}

ResolvedTarget ResolveTarget(const std::string& target, const std::string& programFolder,
                             const LeadByteTable& leadBytes,
                             const std::function<bool(const std::string&)>& exists) {
    const std::string inProgramFolder = JoinPath(programFolder, target, leadBytes);
    if (exists(inProgramFolder))
        return {inProgramFolder, true};
    if (exists(target))
        return {target, true};
    return {inProgramFolder, false};
}

LaunchError ClassifyLaunchResult(long long shellResult) {
    if (shellResult > 32)
        return LaunchError::kNone;
    switch (shellResult) {
    case 2:  // file not found
    case 3:  // path not found
    case 5:  // access denied
    case 11: // bad executable format
    case 32: // a library the program needs is missing
        return LaunchError::kFileNotFound;
    case 27: // association incomplete
    case 31: // no association
        return LaunchError::kNoAssociation;
    default:
        return LaunchError::kOpenError;
    }
}
