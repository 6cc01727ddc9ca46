// The application object: one per program, it knows the main window.
#pragma once

#include "framework/Wnd.h"

class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
};

// The application object of the program, or null when none exists.
CWinApp* AfxGetApp();

// The handle of the application's main window, or null when there is none.
HWND AfxGetMainWndHandle();
