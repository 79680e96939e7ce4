// The application object and the owner rule of its pop-ups.
#pragma once

#include <windows.h>

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

// The owner a dialog or message box gets when none is given: the application's
// main window's last active pop-up, else the thread's active window.
HWND GetSafeOwner();
