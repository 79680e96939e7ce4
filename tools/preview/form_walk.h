// Walks the forms of a running launcher like a user: captures the form on
// top, opens each of its subforms through its button, walks that one, and
// closes it again with Escape. Each form is captured once, the first time it
// opens, so forms that open each other end the walk.
#pragma once

#include "form_sections.h"
#include "page_files.h"

#include "driver/launched_program.h"
#include "driver/windows_of.h"

#include <string>
#include <vector>

class FormWalk {
public:
    // Pages are saved as BMP files in `outputFolder`; for each page a line
    // "STEM<tab>FORM" goes to the standard output, the form's name in UTF-8.
    FormWalk(LaunchedProgram& launcher, const FormSections& sections, std::string outputFolder);

    // Waits for the first form, "main", and walks it. False when a form did
    // not open or close; the pages captured so far are saved all the same.
    bool Run();
    // The first form once Run has found it.
    HWND FirstForm() const { return m_open.empty() ? nullptr : m_open.front(); }

private:
    bool Visit(const WindowFacts& form, const std::string& name);
    bool OpenAndVisit(const WindowFacts& opener, const SubformButton& button);
    // A visible form of the launcher that is not open yet; empty when none
    // came, the launcher ended or showed a message box instead.
    WindowFacts WaitForNewForm(const std::string& name);
    bool WaitUntilClosed(HWND form);
    void Save(const WindowFacts& form, const std::string& name);
    bool Visited(const std::string& name) const;

    LaunchedProgram& m_launcher;
    const FormSections& m_sections;
    std::string m_outputFolder;
    std::string m_title;
    PageNames m_pageNames;
    std::vector<std::string> m_visited;
    std::vector<HWND> m_open; // from the first form to the one on top
};
