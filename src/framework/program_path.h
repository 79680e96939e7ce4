// The full path of the running program, as the narrow-text calls take it.
#pragma once

#include <string>

// Empty when the platform cannot tell it whole within MAX_PATH.
std::string GetProgramPath();
