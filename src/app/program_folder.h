// The program's own folder and the existence test for paths inside it.
#pragma once

#include "app/paths.h"

#include <string>

// The folder of the running program, ending in a backslash; empty when the
// platform cannot tell it whole (so paths are relative to the current folder).
std::string GetProgramFolder();

// True when a file or folder exists at the path. A path too long for the
// platform names nothing.
bool FileExists(const std::string& path);
