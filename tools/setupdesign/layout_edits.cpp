#include "layout_edits.h"

#include <string>

namespace {

constexpr int kNewButtonWidth = 160;
constexpr int kNewButtonHeight = 30;
constexpr int kNewButtonGap = 8;

void SetIntegerIfChanged(IniDocument& document, const std::string& section, const char* key,
                         int value) {
    const std::optional<std::string> old = document.Value(section, key);
    if (!old || document.Integer(section, key, value + 1) != value)
        document.SetValue(section, key, std::to_string(value));
}

std::string UpperCased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9'))
            c = '_';
    return text;
}

// A name no section has yet: the stem followed by the first free number.
std::string FreeSectionName(const IniDocument& document, const std::string& stem) {
    for (int number = 2;; ++number) {
        const std::string name = stem + std::to_string(number);
        if (!document.HasSection(name))
            return name;
    }
}

} // namespace

int ButtonCount(const IniDocument& document, const std::string& form) {
    return ButtonsToBuild(document.Integer(form, "buttonCount", kDefaultButtonCount));
}

PixelRect ButtonBounds(const IniDocument& document, const std::string& form, int number) {
    const std::string section = ButtonSectionName(form, number);
    return ButtonRectangle(document.Integer(section, "x", 0), document.Integer(section, "y", 0),
                           document.Integer(section, "width", 0),
                           document.Integer(section, "height", 0));
}

void SetButtonBounds(IniDocument& document, const std::string& form, int number,
                     const PixelRect& bounds) {
    const std::string section = ButtonSectionName(form, number);
    SetIntegerIfChanged(document, section, "x", bounds.left);
    SetIntegerIfChanged(document, section, "y", bounds.top);
    SetIntegerIfChanged(document, section, "width", bounds.right - bounds.left);
    SetIntegerIfChanged(document, section, "height", bounds.bottom - bounds.top);
}

bool AddButton(IniDocument& document, const std::string& form) {
    const int count = ButtonCount(document, form);
    if (count >= kButtonSlots)
        return false;
    PixelRect place{10, 10, 10 + kNewButtonWidth, 10 + kNewButtonHeight};
    if (count > 0) {
        const PixelRect last = ButtonBounds(document, form, count);
        const int height = last.bottom - last.top;
        place = {last.left, last.bottom + kNewButtonGap, last.right,
                 last.bottom + kNewButtonGap + height};
    }
    const int number = count + 1;
    const std::string section = ButtonSectionName(form, number);
    // A section left behind by a smaller buttonCount is reused, not doubled.
    document.SetValue(section, "label",
                      "IDS_" + UpperCased(form) + "_BUTTON" + std::to_string(number));
    if (!document.Value(section, "action"))
        document.SetValue(section, "action", "exit");
    SetButtonBounds(document, form, number, place);
    document.SetValue(form, "buttonCount", std::to_string(number));
    return true;
}

void DeleteButton(IniDocument& document, const std::string& form, int number) {
    const int count = ButtonCount(document, form);
    if (number < 1 || number > count)
        return;
    document.RemoveSection(ButtonSectionName(form, number));
    for (int later = number + 1; later <= count; ++later)
        document.RenameSection(ButtonSectionName(form, later), ButtonSectionName(form, later - 1));
    document.SetValue(form, "buttonCount", std::to_string(count - 1));
}

void RenumberButton(IniDocument& document, const std::string& form, int from, int to) {
    const int count = ButtonCount(document, form);
    if (from == to || from < 1 || to < 1 || from > count || to > count)
        return;
    const std::string parked = form + ".button-moving";
    document.RenameSection(ButtonSectionName(form, from), parked);
    const int step = from < to ? 1 : -1;
    for (int number = from + step; number != to + step; number += step)
        document.RenameSection(ButtonSectionName(form, number),
                               ButtonSectionName(form, number - step));
    document.RenameSection(parked, ButtonSectionName(form, to));
}

std::string AddForm(IniDocument& document, const std::string& parent) {
    if (!AddButton(document, parent))
        return std::string();
    const std::string name = FreeSectionName(document, "form");
    const std::string button = ButtonSectionName(parent, ButtonCount(document, parent));
    document.SetValue(button, "action", "subform");
    document.SetValue(button, "url", name);
    document.SetValue(name, "buttonCount", "0");
    return name;
}

void DeleteForm(IniDocument& document, const std::string& form) {
    for (int number = 1; number <= kButtonSlots; ++number)
        if (document.HasSection(ButtonSectionName(form, number)))
            document.RemoveSection(ButtonSectionName(form, number));
    document.RemoveSection(form);
}
