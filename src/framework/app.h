// The application object and the application's message box.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Called once at start-up; false ends the program without a message loop.
    virtual BOOL InitInstance();
    // Called when the program ends; its result is the process exit status.
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr;
};

// The one application object of the process, or none.
CWinApp* AfxGetApp();

// The program file's name without folder and extension, e.g. "launcher".
std::string GetProgramName();

// The application's message box: titled with the program name, owned by the
// active window of the application.
int AppMessageBox(const std::string& text, UINT type);
