#include "framework/gdi.h"

#include <cstdlib>
#include <cstring>

bool CFont::CreatePointFont(int pointSizeTenths, const char* faceName, HDC dc) {
    LOGFONTA description{};
    description.lfCharSet = DEFAULT_CHARSET;
    if (faceName) {
        std::strncpy(description.lfFaceName, faceName, LF_FACESIZE - 1);
    }
    // Height in logical units from tenths of a point, as the device maps them.
    WindowDC screen(nullptr);
    HDC device = dc ? dc : screen.get();
    POINT point{0, ::MulDiv(::GetDeviceCaps(device, LOGPIXELSY), pointSizeTenths, 720)};
    ::DPtoLP(device, &point, 1);
    POINT origin{0, 0};
    ::DPtoLP(device, &origin, 1);
    description.lfHeight = -std::abs(point.y - origin.y);
    return CreateFontIndirect(description);
}
