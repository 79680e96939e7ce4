#include "framework/app.h"

#include "framework/wnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HWND GetSafeOwner() {
    const CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd))
        return ::GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    return ::GetActiveWindow();
}
