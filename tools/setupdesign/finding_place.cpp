#include "finding_place.h"

#include "ini_line_index.h"
#include "language_sections.h"

#include <algorithm>

namespace {

constexpr char kButtonPart[] = ".button";

// "FORM.buttonN" with N a number from 1: the form and N; else button 0.
FindingPlace ButtonSection(const std::string& section) {
    FindingPlace place;
    const std::size_t dot = section.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return place;
    const std::string part = section.substr(dot, sizeof kButtonPart - 1);
    const std::string digits = section.substr(dot + sizeof kButtonPart - 1);
    if (!SameIniName(part, kButtonPart) || digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return place;
    const int number = std::stoi(digits);
    if (number < 1)
        return place;
    place.form = section.substr(0, dot);
    place.button = number;
    return place;
}

bool IsFormSection(const IniDocument& document, const std::string& section) {
    if (SameIniName(section, "main") || document.Value(section, "buttonCount"))
        return true;
    for (const std::string& name : document.SectionNames()) {
        const FindingPlace button = ButtonSection(name);
        if (button.button > 0 && SameIniName(button.form, section))
            return true;
    }
    return false;
}

} // namespace

std::string SectionAtLine(const IniDocument& document, int line) {
    std::string holder;
    int holderLine = 0;
    if (line < 1)
        return holder;
    for (const std::string& section : document.SectionNames()) {
        const int header = document.LineOf(section);
        if (header <= line && header > holderLine) {
            holder = section;
            holderLine = header;
        }
    }
    return holder;
}

FindingPlace PlaceOfLine(const IniDocument& document, int line) {
    const std::string section = SectionAtLine(document, line);
    if (section.empty())
        return {};
    FindingPlace place = ButtonSection(section);
    if (place.button > 0) {
        // The form as its own section spells it, when it has one.
        for (const std::string& name : document.SectionNames())
            if (SameIniName(name, place.form))
                place.form = name;
        return place;
    }
    for (const std::string& language : LanguageSections(document))
        if (SameIniName(language, section))
            return {std::string(), section, 0};
    if (IsFormSection(document, section))
        return {section, std::string(), 0};
    return {};
}

std::vector<int> ButtonsWithErrors(const std::vector<Finding>& findings,
                                   const IniDocument& document, const std::string& form) {
    std::vector<int> buttons;
    for (const Finding& finding : findings) {
        if (finding.severity != Severity::kError)
            continue;
        const FindingPlace place = PlaceOfLine(document, finding.line);
        if (place.button > 0 && SameIniName(place.form, form) &&
            std::find(buttons.begin(), buttons.end(), place.button) == buttons.end())
            buttons.push_back(place.button);
    }
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}
