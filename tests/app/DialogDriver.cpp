#include "app/DialogDriver.h"

#include "framework/MessageBox.h"

#include <stdexcept>

namespace
{
CDialogWatcher* g_pWatcher = nullptr;
std::function<void(HWND)>* g_pfnOnInit = nullptr;
CMessageBoxRecorder* g_pRecorder = nullptr;
} // namespace

void PumpDialog(HWND hDlg)
{
    // A bound instead of a clock: a window that never stops posting fails
    // the test rather than hanging it.
    MSG msg;
    for (int i = 0; i < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
    {
        if (hDlg != nullptr && IsWindow(hDlg) && IsDialogMessageA(hDlg, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void PostKey(HWND hWnd, UINT nVirtualKey)
{
    const UINT nScan = MapVirtualKeyA(nVirtualKey, 0);
    PostMessageA(hWnd, WM_KEYDOWN, nVirtualKey, static_cast<LPARAM>(1 | (nScan << 16)));
    PostMessageA(hWnd, WM_KEYUP, nVirtualKey, static_cast<LPARAM>(1 | (nScan << 16) | (3u << 30)));
}

std::string TextOf(HWND hWnd)
{
    char text[1024] = "";
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

CDialogWatcher::CDialogWatcher(std::function<void(HWND)> fnOnInit) : m_fnOnInit(std::move(fnOnInit))
{
    if (g_pWatcher != nullptr)
        throw std::logic_error("one dialog watcher at a time");
    m_hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, &CDialogWatcher::HookProc, nullptr, GetCurrentThreadId());
    if (m_hHook == nullptr)
        throw std::runtime_error("cannot hook the thread's window procedures");
    g_pWatcher = this;
    g_pfnOnInit = &m_fnOnInit;
}

CDialogWatcher::~CDialogWatcher()
{
    UnhookWindowsHookEx(m_hHook);
    g_pWatcher = nullptr;
    g_pfnOnInit = nullptr;
}

LRESULT CALLBACK CDialogWatcher::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_pfnOnInit != nullptr)
    {
        const CWPRETSTRUCT* pRet = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (pRet->message == WM_INITDIALOG)
            (*g_pfnOnInit)(pRet->hwnd);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

CMessageBoxRecorder::CMessageBoxRecorder(std::function<void()> fnWhileOpen) : m_fnWhileOpen(std::move(fnWhileOpen))
{
    if (g_pRecorder != nullptr)
        throw std::logic_error("one message box recorder at a time");
    g_pRecorder = this;
    m_pfnPrevious = AfxSetMessageBoxFunc(&CMessageBoxRecorder::Record);
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    AfxSetMessageBoxFunc(m_pfnPrevious);
    g_pRecorder = nullptr;
}

int CMessageBoxRecorder::Record(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType)
{
    g_pRecorder->m_calls.push_back({hOwner, pszText, pszCaption, nType});
    if (g_pRecorder->m_fnWhileOpen)
        g_pRecorder->m_fnWhileOpen();
    return IDOK;
}
