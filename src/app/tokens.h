// Tokens such as "$LANGUAGE" in configured targets and command lines.
#pragma once

#include "app/lead_bytes.h"

#include <string>

// Every occurrence of the token in the text, left to right and without
// overlap, replaced by the value; the inserted value is not searched again.
// Matching is case-sensitive and starts only at a character boundary, so the
// second byte of a double-byte character never begins a token. An empty token
// replaces nothing.
std::string ReplaceToken(const std::string& text, const std::string& token,
                         const std::string& value, const LeadByteTable& leadBytes);

// Whether the text holds the needle starting at a character boundary; case counts.
bool ContainsText(const std::string& text, const std::string& needle,
                  const LeadByteTable& leadBytes);
