// A localised message with one insert, shown in an exclamation message box.
#pragma once

#include <string>

// The text of the key in the section, with %1 replaced by the insert. A text
// the formatter cannot use is shown as the key and the insert, so the user
// still learns what failed.
std::string FormatLocalisedMessage(const std::string& section, const std::string& key,
                                   const std::string& insert);

void ShowFormattedMessage(const std::string& section, const std::string& key,
                          const std::string& insert);
