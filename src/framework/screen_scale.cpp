#include "framework/screen_scale.h"

#include "framework/display_scale.h"
#include "framework/gdi.h"

void DeclareScaleAware() {
    ::SetProcessDPIAware();
}

DisplayFit ScreenFit() {
    DisplayFit fit;
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
