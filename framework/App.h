// The application object: one per program, it knows the main window.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program at once; TRUE runs the message loop.
    virtual BOOL InitInstance() { return TRUE; }
    // The message loop; its result is the program's exit code.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    CWnd* m_pMainWnd = nullptr;
    // Captions the program's message boxes: the executable's file name
    // without its extension.
    std::string m_strAppName;
};

// The application object of the program, or null when none exists.
CWinApp* AfxGetApp();

// The handle of the application's main window, or null when there is none.
HWND AfxGetMainWndHandle();

// The module whose resources the program loads: the executable.
HINSTANCE AfxGetResourceHandle();

// The string resource nID; empty when there is none.
std::string AfxLoadString(UINT nID);

// Registers the common control classes the dialogs use: the list view and
// the IP address control.
void AfxInitCommonControls();

// Starts the application object: its InitInstance, then its message loop
// or its end. Returns the exit code.
int AfxWinMain();
