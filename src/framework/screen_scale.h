// The display's scale as the program sees it.
#pragma once

#include "framework/image.h"

// Declares the program aware of the system's scale, so that it draws its own
// windows at the display's dots per inch instead of having the system stretch
// them. Call before the first window is made.
void DeclareScaleAware();

// The dots per inch the program draws its forms at: 96 until it declared
// itself aware of the scale, else the display's, with (above 96) the primary
// display's work area.
DisplayFit ScreenFit();
