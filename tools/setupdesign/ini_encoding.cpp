#include "ini_encoding.h"

namespace {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = 1;
        unsigned low = 0x80, high = 0xBF; // the range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

bool StartsWith(const std::string& bytes, const char* mark) {
    return bytes.rfind(mark, 0) == 0;
}

} // namespace

IniEncoding DetectIniEncoding(const std::string& bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return IniEncoding::kUtf8WithMark;
    if (StartsWith(bytes, "\xFF\xFE"))
        return IniEncoding::kUtf16WithMark;
    bool beyondAscii = false;
    for (char c : bytes)
        beyondAscii = beyondAscii || static_cast<unsigned char>(c) >= 0x80;
    return beyondAscii && IsValidUtf8(bytes) ? IniEncoding::kUtf8 : IniEncoding::kAnsi;
}
