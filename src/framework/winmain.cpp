// The program's entry: hardens the DLL search, then hands over to the one
// application object.
#include "framework/app.h"
#include "framework/dll_safety.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RestrictDllSearchToSystemFolder();
    CWinApp* app = AfxGetApp();
    if (!app)
        return 0;
    app->InitInstance();
    return app->ExitInstance();
}
