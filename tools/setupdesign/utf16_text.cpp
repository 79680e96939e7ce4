#include "utf16_text.h"

namespace {

bool IsLeadSurrogate(unsigned unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsTrailSurrogate(unsigned unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& text, unsigned point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | point >> 6);
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | point >> 12);
        text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | point >> 18);
        text += static_cast<char>(0x80 | (point >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (point >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

void AppendUnit(std::string& bytes, unsigned unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
}

// The code point at text[i] and its length in bytes; an unpaired surrogate
// counts as a code point here. Zero length when no character starts there.
struct Decoded {
    unsigned point;
    size_t length;
};

Decoded DecodeAt(const std::string& text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    size_t length = 0;
    unsigned point = 0, minimum = 0;
    if (lead >= 0xC0 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07, minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (i + length > text.size())
        return {0, 0};
    for (size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return {0, 0};
        point = point << 6 | (byte(k) & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF)
        return {0, 0};
    return {point, length};
}

} // namespace

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    const size_t units = bytes.size() / 2;
    const auto unitAt = [&](size_t index) {
        return static_cast<unsigned char>(bytes[2 * index]) |
               static_cast<unsigned char>(bytes[2 * index + 1]) << 8;
    };
    for (size_t index = 0; index < units; ++index) {
        const unsigned unit = unitAt(index);
        if (IsLeadSurrogate(unit) && index + 1 < units && IsTrailSurrogate(unitAt(index + 1))) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(index + 1) - 0xDC00));
            ++index;
        } else {
            AppendUtf8(text, unit);
        }
    }
    return text;
}

std::string Utf8ToUtf16Le(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (size_t i = 0; i < text.size();) {
        const Decoded decoded = DecodeAt(text, i);
        if (decoded.length == 0) {
            AppendUnit(bytes, 0xFFFD);
            ++i;
            continue;
        }
        i += decoded.length;
        if (decoded.point < 0x10000) {
            AppendUnit(bytes, decoded.point);
        } else {
            AppendUnit(bytes, 0xD800 + ((decoded.point - 0x10000) >> 10));
            AppendUnit(bytes, 0xDC00 + ((decoded.point - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}
