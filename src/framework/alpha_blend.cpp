#include "framework/alpha_blend.h"

#include "framework/dll_safety.h"

namespace {

using AlphaBlendFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

AlphaBlendFn FindAlphaBlend() {
    return LibraryFunction<AlphaBlendFn>(LoadSystemLibrary("msimg32.dll"), "AlphaBlend");
}

} // namespace

bool AlphaBlendDC(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                  int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    // Looked up once; the library stays loaded for the rest of the run.
    static const AlphaBlendFn alphaBlend = FindAlphaBlend();
    return alphaBlend && alphaBlend(destination, x, y, width, height, source, sourceX, sourceY,
                                    sourceWidth, sourceHeight, blend);
}
