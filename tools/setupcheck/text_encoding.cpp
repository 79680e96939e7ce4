#include "text_encoding.h"

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

TextEncoding DetectTextEncoding(const std::string& bytes) {
    if (StartsWith(bytes, kUtf8Mark))
        return TextEncoding::kUtf8WithMark;
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF") ||
        bytes.find('\0') != std::string::npos)
        return TextEncoding::kUtf16;
    return TextEncoding::kAnsi;
}

std::string NarrowedForLines(const std::string& bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::kAnsi:
        return bytes;
    case TextEncoding::kUtf8WithMark:
        return bytes.substr(sizeof kUtf8Mark - 1);
    case TextEncoding::kUtf16:
        break;
    }
    const bool bigEndian = StartsWith(bytes, "\xFE\xFF");
    std::string narrow;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        if (unit == 0xFEFF)
            continue;
        narrow += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return narrow;
}

std::string EncodingProblem(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::kAnsi:
        return std::string();
    case TextEncoding::kUtf8WithMark:
        return "UTF-8 with a byte-order mark: the launcher takes its bytes as ANSI text in the "
               "system's code page, so every character beyond ASCII comes out wrong";
    case TextEncoding::kUtf16:
        return "UTF-16: the launcher's texts come out in the system's code page, and characters "
               "that code page lacks are lost";
    }
    return std::string();
}
