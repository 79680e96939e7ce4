#include "controls/static_text_format.h"

unsigned StaticTextFormat(std::uint32_t style, const std::string& text) {
    using namespace text_format;
    if (style & static_style::kCenterImage) {
        // A text with its own line breaks cannot be one centred line: it keeps
        // its lines and is centred across only. (A plain byte search is safe in
        // double-byte code pages: no second byte is ever CR or LF.)
        return text.find("\r\n") != std::string::npos ? kCenter : kCenter | kVCenter | kSingleLine;
    }
    switch (style & static_style::kTypeMask) {
    case static_style::kCenter:
        return kCenter | kWordBreak;
    case static_style::kRight:
        return kRight | kWordBreak;
    case static_style::kLeftNoWordWrap:
        return kLeft;
    default:
        return kLeft | kWordBreak;
    }
}
