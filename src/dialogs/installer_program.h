// Where the database installer's program is found: the one answer shared by
// the launcher's start and the medium checker.
#pragma once

#include "app/lead_bytes.h"

#include <functional>
#include <string>
#include <vector>

// The full path of the program, or empty when it is nowhere it may be taken
// from. A rooted path (drive or separator first) is taken as written; any
// other is looked for in the launcher's folder, and a bare name then in the
// system folders, in their order. Never the current folder or the search
// path: a program planted there must not get the launcher's start, let alone
// its elevation prompt. A name without an extension gets ".exe", as process
// creation gives it. isFile answers whether a file (not a folder) is there.
std::string ResolveInstallerProgram(const std::string& program, const std::string& programFolder,
                                    const std::vector<std::string>& systemFolders,
                                    const LeadByteTable& leadBytes,
                                    const std::function<bool(const std::string&)>& isFile);
