// The texts of the language sections and the licence files they name.
#include "setup_checks.h"

#include "app/paths.h"
#include "text_encoding.h"

namespace {

constexpr const char kRtfStart[] = "{\\rtf";

// The line of a language's key, else of its section.
int TextLine(const CheckContext& context, const CheckLanguage& language, const std::string& key) {
    return context.index.LineOf(language.section, key);
}

void CheckLicence(CheckContext& context, const CheckLanguage& language) {
    // As the licence dialog builds it: eulaRoot\LANG\IDS_EULA in the program's folder.
    const std::string relative = context.Read("main", "eulaRoot") + '\\' +
                                 language.tokens.language + '\\' +
                                 context.ReadText(language.section, "IDS_EULA");
    const std::string path =
        JoinPath(context.medium.Folder(), relative, context.medium.LeadBytes());
    const int line = TextLine(context, language, "IDS_EULA");
    const std::string where = "licence \"" + relative + "\" of [" + language.section + "] ";
    if (!context.medium.Exists(path)) {
        context.Report(Severity::kError, line, where + "missing");
        return;
    }
    if (context.medium.IsFolder(path)) {
        context.Report(Severity::kError, line, where + "is a folder, not an RTF file");
        return;
    }
    const std::string head = context.medium.FileHead(path, 64);
    if (head.compare(0, sizeof kRtfStart - 1, kRtfStart) == 0)
        return;
    const std::string encoding = EncodingProblem(DetectTextEncoding(head));
    context.Report(Severity::kError, line,
                   where + "is not RTF (does not start with {\\rtf)" +
                       (encoding.empty() ? std::string() : ": it is " + encoding));
}

// What the launcher shows a missing fixed text in, for the finding.
const char* UseOf(const std::string& key) {
    static const struct {
        const char* key;
        const char* use;
    } kUses[] = {
        {"IDS_FILENOTFOUND", "the not-found message"},
        {"IDS_NOFILE_ASSOCIATION", "the message for a file type without a program"},
        {"IDS_FILEOPEN_ERROR", "the message for a target that cannot be opened"},
        {"IDS_LICENSECAPTION", "the licence dialog's title"},
        {"IDS_OK", "the licence dialog's Continue button"},
        {"IDS_CANCEL", "the Cancel buttons of the licence and password dialogs"},
        {"IDS_AGREEMENT", "the licence dialog's agreement box"},
        {"IDS_LICENSEHEADER", "the heading above the licence"},
        {"IDS_EULA", "the licence's file name"},
        {"IDS_CAPTION", "the password dialog's prompt"},
        {"IDS_PASSWORD", "the password field's label"},
        {"IDS_CONFIRM", "the confirmation field's label"},
        {"IDS_INSTALL", "the password dialog's Install button"},
        {"IDS_SQLEXPRESS_FAILED", "the message for a failed database installation"},
        {"IDS_REBOOT_REQUIRED", "the message after the database installation"},
    };
    for (const auto& entry : kUses)
        if (key == entry.key)
            return entry.use;
    return "a message";
}

} // namespace

void CheckLicences(CheckContext& context) {
    if (!context.licenceNeeded)
        return;
    for (const CheckLanguage& language : context.runLanguages)
        CheckLicence(context, language);
}

void CheckFixedTexts(CheckContext& context) {
    for (const std::string& key : context.neededFixedKeys) {
        std::vector<std::string> lacking;
        int line = 0;
        for (const CheckLanguage& language : context.languages)
            if (!context.medium.Value(language.section, key)) {
                lacking.push_back(language.section);
                if (line == 0)
                    line = context.index.LineOf(language.section);
            }
        if (!lacking.empty())
            context.Report(Severity::kWarning, line,
                           "fixed key \"" + key + "\" (" + UseOf(key) + ") missing in " +
                               ListSections(lacking) + ": the text is empty there");
    }
    // The not-found message is formatted with the path as its one insert.
    for (const CheckLanguage& language : context.languages) {
        if (!context.medium.Value(language.section, "IDS_FILENOTFOUND"))
            continue;
        const std::string text = context.ReadText(language.section, "IDS_FILENOTFOUND");
        if (text.find("%1") == std::string::npos)
            context.Report(Severity::kError, TextLine(context, language, "IDS_FILENOTFOUND"),
                           "\"IDS_FILENOTFOUND\" of [" + language.section +
                               "] lacks %1, where the missing path goes");
    }
}
