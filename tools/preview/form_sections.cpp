#include "form_sections.h"

#include "app/ascii_case.h"
#include "app/setup_ini.h"
#include "app/system_code_page.h"
#include "forms/button_actions.h"
#include "forms/form_layout.h"

#include <algorithm>

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

FormSections::FormSections(std::string setupIni) : m_setupIni(std::move(setupIni)) {}

std::string FormSections::Read(const std::string& section, const std::string& key) const {
    return ReadProfileValue(m_setupIni, section, key, "", kMaxIniValueBytes);
}

std::string FormSections::Title() const {
    return Read("main", "productName");
}

std::vector<SubformButton> FormSections::SubformButtonsOf(const std::string& form) const {
    const int count =
        ButtonsToBuild(ReadProfileInt(m_setupIni, form, "buttonCount", kDefaultButtonCount));
    std::vector<SubformButton> buttons;
    for (int number = 1; number <= count; ++number) {
        const std::string section = ButtonSectionName(form, number);
        if (ParseButtonAction(Read(section, "action"), CurrentLeadBytes()) ==
            ButtonAction::kSubform)
            buttons.push_back({ButtonCommandId(number), Read(section, "url")});
    }
    return buttons;
}
