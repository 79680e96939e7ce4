// The line-break escape of localised texts.
#pragma once

#include "app/lead_bytes.h"

#include <string>

// Replaces every backslash followed by a lower-case n with a line feed, left to
// right. The second byte of a double-byte character never starts the escape.
std::string ExpandLineBreaks(const std::string& text, const LeadByteTable& leadBytes);
