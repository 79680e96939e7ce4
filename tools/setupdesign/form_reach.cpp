#include "form_reach.h"

#include "app/ascii_case.h"
#include "forms/button_actions.h"
#include "forms/form_layout.h"

#include <algorithm>

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& known) { return SameName(known, name); });
}

const LeadByteTable& NoLeadBytes() {
    static const LeadByteTable none{};
    return none;
}

} // namespace

std::string SubformOf(const IniDocument& document, const std::string& form, int number) {
    const std::string section = ButtonSectionName(form, number);
    const std::string action = document.Value(section, "action").value_or(std::string());
    if (ParseButtonAction(action, NoLeadBytes()) != ButtonAction::kSubform)
        return std::string();
    return document.Value(section, "url").value_or(std::string());
}

std::vector<std::string> ReachableForms(const IniDocument& document) {
    std::vector<std::string> forms{"main"};
    for (size_t next = 0; next < forms.size(); ++next) {
        const std::string form = forms[next];
        const int count =
            ButtonsToBuild(document.Integer(form, "buttonCount", kDefaultButtonCount));
        for (int number = 1; number <= count; ++number) {
            const std::string target = SubformOf(document, form, number);
            if (!target.empty() && !Contains(forms, target))
                forms.push_back(target);
        }
    }
    return forms;
}

std::vector<std::string> UnreachedForms(const IniDocument& document) {
    const std::vector<std::string> reached = ReachableForms(document);
    std::vector<std::string> unreached;
    for (const std::string& section : document.SectionNames()) {
        const bool isForm = document.Value(section, "buttonCount").has_value() ||
                            document.HasSection(ButtonSectionName(section, 1));
        if (isForm && !Contains(reached, section) && !Contains(unreached, section))
            unreached.push_back(section);
    }
    return unreached;
}
