// What the renderer needs to know of Setup.ini: the forms' window title and,
// for each form, the buttons that open another form.
#pragma once

#include <string>
#include <vector>

// A button whose action is "subform": its command identifier and the section
// of the form it opens.
struct SubformButton {
    int commandId = 0;
    std::string form;
};

class FormSections {
public:
    // `setupIni` is the full path of the folder's Setup.ini.
    explicit FormSections(std::string setupIni);

    // [main] productName, the title of every form's window.
    std::string Title() const;
    // The buttons of `form` that open a form, in the order of their numbers.
    std::vector<SubformButton> SubformButtonsOf(const std::string& form) const;

private:
    std::string Read(const std::string& section, const std::string& key) const;

    std::string m_setupIni;
};

// Equal but for the case of ASCII letters: how the profile functions compare
// section names, and how the launcher compares the action word "subform".
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b);
