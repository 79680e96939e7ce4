// The layout edits of a form, each made of the document's own line edits:
// what the designer's canvas and commands change in Setup.ini.
#pragma once

#include "forms/form_layout.h"
#include "ini_document.h"

#include <string>

// The buttons the form builds (its "buttonCount", held within the slots).
int ButtonCount(const IniDocument& document, const std::string& form);

// A button's rectangle as its section gives it, at 96 DPI.
PixelRect ButtonBounds(const IniDocument& document, const std::string& form, int number);
// Writes the keys of the rectangle that differ from what the section reads.
void SetButtonBounds(IniDocument& document, const std::string& form, int number,
                     const PixelRect& bounds);

// A new last button below the others, labelled by a new caption key; false
// when the form has all its slots.
bool AddButton(IniDocument& document, const std::string& form);
// Removes the button's section; the following ones move down a number.
void DeleteButton(IniDocument& document, const std::string& form, int number);
// Gives the button number `to` (its place in the tab order); those between
// move up or down one.
void RenumberButton(IniDocument& document, const std::string& form, int from, int to);

// A new form opened by a new "subform" button of `parent`; its name, or empty
// when the parent has no free slot.
std::string AddForm(IniDocument& document, const std::string& parent);
// Removes the form's section and its buttons' sections.
void DeleteForm(IniDocument& document, const std::string& form);
