#include "framework/App.h"

namespace
{
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HWND AfxGetMainWndHandle()
{
    if (g_pApp == nullptr || g_pApp->m_pMainWnd == nullptr)
        return nullptr;
    return g_pApp->m_pMainWnd->GetSafeHwnd();
}
