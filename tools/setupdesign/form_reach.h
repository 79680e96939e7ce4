// Which forms a medium has: "main" and every form reached from it through
// "subform" buttons, and the form sections no button reaches.
#pragma once

#include "ini_document.h"

#include <string>
#include <vector>

// "main" first, then each form in the order its first subform button is met
// (breadth first), each once, spelt as the first button names it.
std::vector<std::string> ReachableForms(const IniDocument& document);

// Sections that hold a form (a "buttonCount" key or a "<name>.button1"
// section) which no button reaches, in file order.
std::vector<std::string> UnreachedForms(const IniDocument& document);

// The form a button opens: its url when its action is "subform", else empty.
std::string SubformOf(const IniDocument& document, const std::string& form, int number);
