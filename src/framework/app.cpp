#include "framework/app.h"

#include "framework/dialog.h"

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

std::string GetProgramName() {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "launcher";
    // The file name starts after the last separator; CharNextA keeps double-byte
    // characters whole.
    const char* name = path;
    const char* dot = nullptr;
    for (const char* p = path; *p; p = ::CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            name = p + 1;
            dot = nullptr;
        } else if (*p == '.') {
            dot = p;
        }
    }
    return dot ? std::string(name, dot) : std::string(name);
}

int AppMessageBox(const std::string& text, UINT type) {
    return ::MessageBoxA(GetSafeOwner(), text.c_str(), GetProgramName().c_str(), type);
}
