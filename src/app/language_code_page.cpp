#include "app/language_code_page.h"

namespace {

struct CodePageRow {
    const char* code;
    unsigned codePage;
};

// The languages of the launcher's table (language.cpp).
constexpr CodePageRow kAnsiCodePages[] = {
    {"EN", 1252}, {"FR", 1252}, {"DE", 1252}, {"ES", 1252}, {"IT", 1252}, {"JA", 932},
};

} // namespace

std::optional<unsigned> AnsiCodePageOf(const std::string& language) {
    for (const CodePageRow& row : kAnsiCodePages)
        if (language == row.code)
            return row.codePage;
    return std::nullopt;
}
