// Texts typed as Unicode and the document's bytes: each section's texts in the
// encoding the launcher will read them in. In a legacy file that is the code
// page of the section's language (the system's for any other section); in a
// UTF-8 or UTF-16 file, UTF-8 document text.
#pragma once

#include "ini_document.h"

#include <string>

// The code page a section's texts are held in: CP_UTF8 for the UTF kinds.
unsigned SectionCodePage(IniEncoding encoding, const std::string& section);

// Document text as Unicode.
std::wstring DecodeText(const std::string& text, unsigned codePage);
// A name of the document (section, key, form), or a finding quoting the file,
// as Unicode: read in the system's code page in a legacy file.
std::wstring DecodeName(const IniDocument& document, const std::string& name);

struct EncodedText {
    std::string text;         // the document text; characters refused are left out
    std::wstring refused;     // the first character the code page cannot spell; empty when none
    char32_t refusedCode = 0; // its code point
    int refusedCount = 0;     // how many characters were refused
};
// Document text of a Unicode text; a character the code page has no exact
// spelling for (no best fit) is refused.
EncodedText EncodeText(const std::wstring& text, unsigned codePage);

// What the author is told when a character is refused in a section.
std::wstring RefusalMessage(const EncodedText& encoded, const std::string& section,
                            unsigned codePage);
