// Test folders: removed whole, copied whole.
#pragma once

#include <string>

// Removes the folder with everything in it; what cannot be removed stays.
void RemoveTree(const std::string& folder);

// Copies the folder with everything in it into `to`, created when missing.
void CopyTree(const std::string& from, const std::string& to);
