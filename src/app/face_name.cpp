#include "app/face_name.h"

#include <cstring>

std::string FitFaceName(const std::string& name, const LeadByteTable& leadBytes) {
    size_t end = 0;
    for (size_t i = 0; i < name.size();) {
        const size_t length = leadBytes.CharLength(name, i);
        if (i + length > kFaceNameBytes - 1)
            break;
        i += length;
        end = i;
    }
    return name.substr(0, end);
}

void CopyFaceName(char (&field)[kFaceNameBytes], const std::string& name,
                  const LeadByteTable& leadBytes) {
    const std::string fitted = FitFaceName(name, leadBytes);
    std::memset(field, 0, kFaceNameBytes);
    std::memcpy(field, fitted.data(), fitted.size());
}
