#include "page_files.h"

#include "form_sections.h"

#include "framework/narrow_text.h"

#include <windows.h>

#include <algorithm>

namespace {

bool IsSafeInFileName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

} // namespace

std::string PageNames::StemFor(const std::string& form) {
    std::string base = form;
    std::replace_if(
        base.begin(), base.end(), [](char c) { return !IsSafeInFileName(c); }, '_');
    // "." and ".." name folders; an empty name names nothing.
    if (base.find_first_not_of('.') == std::string::npos)
        base = "_" + base;
    auto taken = [this](const std::string& stem) {
        return std::any_of(m_taken.begin(), m_taken.end(), [&](const std::string& other) {
            return EqualIgnoringAsciiCase(stem, other);
        });
    };
    std::string stem = base;
    for (int number = 2; taken(stem); ++number)
        stem = base + "-" + std::to_string(number);
    m_taken.push_back(stem);
    return stem;
}

std::string AnsiToUtf8(const std::string& text) {
    if (text.empty())
        return text;
    const int wideLength =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), wideLength);
    return NarrowText(wide.c_str(), CP_UTF8);
}
