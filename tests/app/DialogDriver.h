// Driving real dialogs in-process: running their messages, watching dialogs
// open, and reading message boxes instead of waiting for them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches what is queued for this thread, through the dialog manager of
// hDlg as a dialog's own loop does, until the queue is empty.
void PumpDialog(HWND hDlg);

// A key press as the keyboard delivers it to the window with the focus.
void PostKey(HWND hWnd, UINT nVirtualKey);

std::string TextOf(HWND hWnd);

// Calls fnOnInit with every dialog of this thread right after its
// WM_INITDIALOG, for as long as the object lives. One at a time.
class CDialogWatcher
{
public:
    explicit CDialogWatcher(std::function<void(HWND)> fnOnInit);
    ~CDialogWatcher();
    CDialogWatcher(const CDialogWatcher&) = delete;
    CDialogWatcher& operator=(const CDialogWatcher&) = delete;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> m_fnOnInit;
    HHOOK m_hHook;
};

struct CBoxCall
{
    HWND hOwner;
    std::string strText;
    std::string strCaption;
    UINT nType;
};

// Takes the place of the program's message boxes for as long as it lives and
// records each; fnWhileOpen runs where the box would wait for the user, and
// the answer is IDOK.
class CMessageBoxRecorder
{
public:
    explicit CMessageBoxRecorder(std::function<void()> fnWhileOpen = {});
    ~CMessageBoxRecorder();
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    std::vector<CBoxCall> m_calls;

private:
    static int Record(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);

    std::function<void()> m_fnWhileOpen;
    int (*m_pfnPrevious)(HWND, const char*, const char*, UINT);
};
