#include "app/ini_encoding.h"

std::size_t Utf8SequenceLength(const std::string& bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > bytes.size() - at)
        return 0;
    // After these leads the second byte's range narrows: an overlong form, a
    // surrogate, or a code point past U+10FFFF lies outside it.
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((bytes[at + i] & 0xC0) != 0x80)
            return 0;
    return length;
}

IniEncoding DetectIniEncoding(const std::string& bytes) {
    if (bytes.compare(0, kUtf8MarkBytes, kUtf8Mark) == 0)
        return IniEncoding::kUtf8WithMark;
    if (bytes.compare(0, 2, "\xFF\xFE") == 0)
        return IniEncoding::kUtf16WithMark;
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, at);
        if (length == 0)
            return IniEncoding::kCodePage;
        beyondAscii = beyondAscii || length > 1;
        at += length;
    }
    return beyondAscii ? IniEncoding::kUtf8 : IniEncoding::kCodePage;
}
