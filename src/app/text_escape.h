// The escapes of localised texts: line breaks, and the formatter's insert types.
#pragma once

#include "app/lead_bytes.h"

#include <string>

// Replaces every backslash followed by a lower-case n with a line feed, left to
// right. The second byte of a double-byte character never starts the escape.
std::string ExpandLineBreaks(const std::string& text, const LeadByteTable& leadBytes);

// The message pattern without the printf-style type of any insert: "%1!S!"
// becomes "%1", so the formatter reads every insert as the text it is. "%%",
// "%!" and the other escapes stay; an unclosed type stays for the formatter
// to refuse.
std::string WithoutInsertTypes(std::string pattern);
