// Where on the design a finding of the checker points: the form, language and
// button its line belongs to.
#pragma once

#include "findings.h"
#include "ini_document.h"

#include <string>
#include <vector>

struct FindingPlace {
    std::string form;     // empty when the line belongs to no form
    std::string language; // a language section's name; empty when none
    int button = 0;       // counted from 1; 0 when the line is no button's
};

// The section that holds a line (counted from 1): the last header at or before
// it; empty before the first header or for line 0.
std::string SectionAtLine(const IniDocument& document, int line);

// "main.button3" gives form "main", button 3; a language section gives the
// language; a form's own section (main, or one with buttons or a button count)
// gives the form; anything else nothing.
FindingPlace PlaceOfLine(const IniDocument& document, int line);

// The buttons of a form that some error points at, in ascending order: the
// canvas marks them.
std::vector<int> ButtonsWithErrors(const std::vector<Finding>& findings,
                                   const IniDocument& document, const std::string& form);
