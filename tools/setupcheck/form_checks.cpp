// The walk through the forms: every form reachable from "main" through
// "subform" buttons, and every button the launcher builds on them.
#include "setup_checks.h"

#include "app/face_name.h"
#include "app/paths.h"
#include "app/tokens.h"
#include "dialogs/installer_program.h"
#include "forms/form_layout.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kFirstForm = "main";

struct BuiltButton {
    std::string section;
    PixelRect rect;
};

// Whether the list holds the section name, matched as the profile functions do.
bool HoldsSection(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&name](const std::string& held) { return SameIniName(held, name); });
}

bool HasArea(const PixelRect& rect) {
    return rect.right > rect.left && rect.bottom > rect.top;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return HasArea(a) && HasArea(b) && a.left < b.right && b.left < a.right && a.top < b.bottom &&
           b.top < a.bottom;
}

// "setup.exe /q": a blank, then a switch. The launcher looks for a file of the
// whole name, so such a url is never found.
bool HoldsSwitches(const std::string& url) {
    for (size_t i = 0; i + 1 < url.size(); ++i)
        if ((url[i] == ' ' || url[i] == '\t') && (url[i + 1] == '/' || url[i + 1] == '-'))
            return true;
    return false;
}

// Whether the token stands outside double quotes in the arguments: the log
// path lies in the user's folder and the password is the user's, and a blank
// in either would split it in two arguments.
bool HoldsUnquoted(const std::string& args, const std::string& token,
                   const LeadByteTable& leadBytes) {
    bool quoted = false;
    for (size_t i = 0; i < args.size(); i += leadBytes.CharLength(args, i)) {
        if (args[i] == '"')
            quoted = !quoted;
        else if (!quoted && args.compare(i, token.size(), token) == 0)
            return true;
    }
    return false;
}

// The languages in which the check fails, or all of them ("" for all).
std::string FailingLanguages(const std::vector<std::string>& failing, size_t languageCount) {
    if (failing.size() >= languageCount)
        return std::string();
    return " for " + ListSections(failing);
}

class FormWalk {
public:
    explicit FormWalk(CheckContext& context) : m_context(context) {}

    void Form(const std::string& form, int namingLine) {
        m_visited.push_back(form);
        m_path.push_back(form);
        const std::vector<BuiltButton> buttons = Buttons(form, namingLine);
        for (size_t i = 0; i < buttons.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                if (Overlap(buttons[i].rect, buttons[j].rect))
                    m_context.Report(Severity::kWarning, Index().LineOf(buttons[i].section),
                                     "button [" + buttons[i].section + "] overlaps [" +
                                         buttons[j].section + "]");
        for (const BuiltButton& button : buttons)
            if (ActionOf(button.section) == ButtonAction::kSubform)
                Subform(button.section);
        m_path.pop_back();
    }

private:
    const IniLineIndex& Index() const { return m_context.index; }

    ButtonAction ActionOf(const std::string& section) const {
        return ParseButtonAction(m_context.Read(section, "action"), m_context.medium.LeadBytes());
    }

    // The form's buttons as the launcher builds them, each one checked.
    std::vector<BuiltButton> Buttons(const std::string& form, int namingLine) {
        const int count = m_context.medium.Integer(form, "buttonCount", kDefaultButtonCount);
        const int formLine = Index().SectionLine(form).value_or(namingLine);
        const int countLine = Index().KeyLine(form, "buttonCount").value_or(formLine);
        if (count > kButtonSlots)
            m_context.Report(Severity::kWarning, countLine,
                             "buttonCount " + std::to_string(count) +
                                 ": a form has ten buttons, the rest are left out");
        std::vector<BuiltButton> built;
        std::vector<std::string> missing;
        for (int number = 1; number <= ButtonsToBuild(count); ++number) {
            const std::string section = ButtonSectionName(form, number);
            if (!Index().FindSection(section)) {
                missing.push_back(section);
                continue;
            }
            built.push_back({section, Button(section)});
        }
        if (built.empty())
            m_context.Report(Severity::kError, formLine,
                             "form [" + form + "] has no buttons: only Escape leaves it");
        else if (!missing.empty())
            m_context.Report(Severity::kWarning, countLine,
                             "buttonCount " + std::to_string(count) +
                                 " is above the sections present: " + ListSections(missing) +
                                 " missing, built empty and invisible");
        return built;
    }

    PixelRect Button(const std::string& section) {
        const std::string label = m_context.Read(section, "label");
        if (!label.empty())
            m_context.RequireTextKey(label, Index().LineOf(section, "label"), "caption");
        const std::string font = m_context.Read(section, "font");
        if (font.size() >= kFaceNameBytes)
            m_context.Report(Severity::kWarning, Index().LineOf(section, "font"),
                             "face name \"" + font + "\" is over 31 bytes");
        Action(section);
        const Medium& medium = m_context.medium;
        const PixelRect rect = ButtonRectangle(
            medium.Integer(section, "x", 0), medium.Integer(section, "y", 0),
            medium.Integer(section, "width", 0), medium.Integer(section, "height", 0));
        const auto& picture = m_context.picture;
        if (picture && (rect.left < 0 || rect.top < 0 || rect.right > picture->width ||
                        rect.bottom > picture->height))
            m_context.Report(Severity::kWarning, Index().LineOf(section),
                             "button [" + section + "] reaches outside the picture (" +
                                 std::to_string(picture->width) + " x " +
                                 std::to_string(picture->height) + ")");
        return rect;
    }

    void Action(const std::string& section) {
        const std::string url = m_context.Read(section, "url");
        const int urlLine = Index().LineOf(section, "url");
        switch (ActionOf(section)) {
        case ButtonAction::kExit:
        case ButtonAction::kSubform:
            return;
        case ButtonAction::kClickThru:
            m_context.licenceNeeded = true;
            NeedKeys({"IDS_LICENSECAPTION", "IDS_OK", "IDS_CANCEL", "IDS_AGREEMENT",
                      "IDS_LICENSEHEADER", "IDS_EULA"});
            [[fallthrough]];
        case ButtonAction::kOpen:
            NeedKeys({"IDS_FILENOTFOUND", "IDS_NOFILE_ASSOCIATION", "IDS_FILEOPEN_ERROR"});
            Target(url, urlLine);
            return;
        case ButtonAction::kMsgBox:
            m_context.RequireTextKey(url, urlLine, "message");
            return;
        case ButtonAction::kSqlExpress:
            NeedKeys({"IDS_CAPTION", "IDS_PASSWORD", "IDS_CONFIRM", "IDS_INSTALL", "IDS_CANCEL",
                      "IDS_SQLEXPRESS_FAILED", "IDS_REBOOT_REQUIRED", "IDS_FILENOTFOUND"});
            Installer(url, urlLine);
            for (const auto& [token, what] :
                 {std::pair<std::string, const char*>{"$LOGFILE", "log path"},
                  {"$PASSWORD", "password"}})
                if (HoldsUnquoted(m_context.Read(section, "args"), token,
                                  m_context.medium.LeadBytes()))
                    m_context.Report(Severity::kWarning, Index().LineOf(section, "args"),
                                     token + " outside quotes: a " + what +
                                         " with a blank splits in two arguments; write \"" + token +
                                         '"');
            return;
        case ButtonAction::kUnknown:
            break;
        }
        NeedKeys({"IDS_FILENOTFOUND"});
        const std::string word = m_context.Read(section, "action");
        m_context.Report(
            Severity::kError, Index().LineOf(section, "action"),
            (word.empty() ? std::string("no action") : "unknown action \"" + word + '"') +
                ": the button shows the not-found message; the actions are exit, "
                "clickThru, subform, open, msgbox and sqlexpress");
    }

    void NeedKeys(std::initializer_list<const char*> keys) {
        m_context.neededFixedKeys.insert(keys.begin(), keys.end());
    }

    // Opened as the launcher opens it: web addresses untested, the rest looked
    // for in the program's folder, then as written, in every language.
    void Target(const std::string& url, int line) {
        const Medium& medium = m_context.medium;
        if (IsWebAddress(url, medium.LeadBytes()))
            return;
        std::vector<std::string> failing;
        std::string lookedFor;
        for (const CheckLanguage& language : m_context.runLanguages) {
            const std::string target =
                ExpandLanguageTokens(url, language.tokens, medium.LeadBytes());
            const ResolvedTarget resolved =
                ResolveTarget(target, medium.Folder(), medium.LeadBytes(),
                              [&medium](const std::string& path) { return medium.Exists(path); });
            if (!resolved.found) {
                failing.push_back(language.section);
                if (lookedFor.empty())
                    lookedFor = resolved.path;
            }
        }
        if (failing.empty())
            return;
        if (HoldsSwitches(url))
            m_context.Report(Severity::kError, line,
                             "url \"" + url +
                                 "\" holds switches: the launcher looks for a file of "
                                 "that whole name; switches belong in args");
        else
            m_context.Report(Severity::kError, line,
                             "target \"" + url + "\" not found" +
                                 FailingLanguages(failing, m_context.runLanguages.size()) + " (" +
                                 "looked for " + lookedFor + ")");
    }

    // The database installer: "$LANGUAGE" replaced, found where the launcher
    // finds it.
    void Installer(const std::string& url, int line) {
        const Medium& medium = m_context.medium;
        std::vector<std::string> failing;
        for (const CheckLanguage& language : m_context.runLanguages) {
            const std::string program =
                ReplaceToken(url, "$LANGUAGE", language.tokens.language, medium.LeadBytes());
            if (!InstallerExists(program))
                failing.push_back(language.section);
        }
        if (!failing.empty())
            m_context.Report(Severity::kError, line,
                             "database installer \"" + url + "\" not found" +
                                 FailingLanguages(failing, m_context.runLanguages.size()));
    }

    bool InstallerExists(const std::string& program) const {
        const Medium& medium = m_context.medium;
        return !ResolveInstallerProgram(program, medium.Folder(), medium.SystemFolders(),
                                        medium.LeadBytes(),
                                        [&medium](const std::string& path) {
                                            return medium.Exists(path) && !medium.IsFolder(path);
                                        })
                    .empty();
    }

    void Subform(const std::string& section) {
        const std::string form = m_context.Read(section, "url");
        const int line = Index().LineOf(section, "url");
        const auto onPath =
            std::find_if(m_path.begin(), m_path.end(),
                         [&form](const std::string& name) { return SameIniName(name, form); });
        if (onPath != m_path.end()) {
            std::string cycle;
            for (auto it = onPath; it != m_path.end(); ++it)
                cycle += *it + " -> ";
            m_context.Report(Severity::kNote, line,
                             "subform cycle " + cycle + form +
                                 ": allowed, each press opens one more form");
            return;
        }
        if (!HoldsSection(m_visited, form))
            Form(form, line);
    }

    CheckContext& m_context;
    std::vector<std::string> m_visited; // forms checked already
    std::vector<std::string> m_path;    // the forms open on the way to the current one
};

} // namespace

void CheckForms(CheckContext& context) {
    FormWalk(context).Form(kFirstForm, 0);
}
