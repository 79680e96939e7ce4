// The code page in which the systems of each language of the table spell text.
#pragma once

#include <optional>
#include <string>

// The ANSI code page of the systems that speak a language of the table (1252
// for the Western ones, 932 for Japanese); none for a code outside the table.
std::optional<unsigned> AnsiCodePageOf(const std::string& language);
