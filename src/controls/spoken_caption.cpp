#include "controls/spoken_caption.h"

// Byte by byte is safe in every double-byte code page: the line feed and the
// ampersand are below the smallest trail byte (0x40).
std::string SpokenCaption(const std::string& caption) {
    std::string spoken;
    spoken.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '\n')
            spoken += ' ';
        else if (caption[i] != '&')
            spoken += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == '&')
            spoken += caption[++i];
    }
    return spoken;
}
