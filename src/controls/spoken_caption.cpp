#include "controls/spoken_caption.h"

// Byte by byte is safe in every double-byte code page: CR, LF and the
// ampersand are below the smallest trail byte (0x40).
std::string SpokenCaption(const std::string& caption) {
    std::string spoken;
    spoken.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
                ++i;
            spoken += ' ';
        } else if (c == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                spoken += caption[++i];
        } else {
            spoken += c;
        }
    }
    return spoken;
}
