// Per-pixel alpha blending (AlphaBlend of msimg32), taken at run time from the
// system folder so that no msimg32.dll beside the program can be loaded.
#pragma once

#include <windows.h>

// Blends the source rectangle over the destination rectangle with the blend
// function given; false when the blend failed or msimg32 is not available.
bool AlphaBlendDC(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                  int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
