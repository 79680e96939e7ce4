// The message for a target the shell could not open.
#pragma once

#include <string>

// Tells the user, in the section's language, why the shell could not open the
// path: not found (with the path), no program for its type, or another failure.
// A result above 32 is a success and shows nothing.
void ShowLaunchError(const std::string& section, long long shellResult, const std::string& path);
