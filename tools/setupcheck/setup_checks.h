// The checks of a medium, each adding its findings to the context.
#pragma once

#include "check_context.h"

#include <string>

// Every finding for the folder whose Setup.ini holds these bytes, in line order.
std::vector<Finding> CheckSetup(const Medium& medium, const std::string& setupIniBytes);

// [main]: the picture, the version text, the face name.
void CheckMainSettings(CheckContext& context);
// Every form reachable from "main" and every button on it.
void CheckForms(CheckContext& context);
// The licence file of every language, when a reachable button needs it.
void CheckLicences(CheckContext& context);
// The fixed texts the reachable buttons make the launcher read, and their form.
void CheckFixedTexts(CheckContext& context);
// In a UTF-8 file, the characters of each language's texts that the code page
// of that language's systems cannot spell.
void CheckSpelling(CheckContext& context, const std::string& setupIniBytes);
// Values the launcher will cut.
void CheckValueLengths(CheckContext& context);
