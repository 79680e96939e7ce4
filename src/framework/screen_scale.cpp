#include "framework/screen_scale.h"

#include "framework/gdi.h"
#include "graphics/display_scale.h"

namespace {

bool g_scaleAware = false;

} // namespace

void DeclareScaleAware() {
    g_scaleAware = ::SetProcessDPIAware() != FALSE;
}

DisplayFit ScreenFit() {
    DisplayFit fit;
    // Some systems (Wine) tell every program the display's DPI.
    if (!g_scaleAware)
        return fit;
    {
        WindowDC screen(nullptr);
        if (screen.get())
            fit.dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    RECT work{};
    if (fit.dpi > kBaseDpi && ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        fit.workWidth = work.right - work.left;
        fit.workHeight = work.bottom - work.top;
    }
    return fit;
}
