#include "framework/App.h"

#include "framework/MessageBox.h"

#include <commctrl.h>
#include <shlwapi.h>

namespace
{
CWinApp* g_pApp = nullptr;

std::string ModuleTitle()
{
    char path[MAX_PATH] = "";
    if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0)
        return std::string();
    // The shell's path functions step over double-byte characters, whose
    // trail byte may look like a backslash or a dot.
    char* pszName = PathFindFileNameA(path);
    PathRemoveExtensionA(pszName);
    return pszName;
}
} // namespace

CWinApp::CWinApp() : m_strAppName(ModuleTitle())
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::Run()
{
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
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

HINSTANCE AfxGetResourceHandle()
{
    return GetModuleHandleA(nullptr);
}

std::string AfxLoadString(UINT nID)
{
    std::string strText(256, '\0');
    for (;;)
    {
        const int nCopied = LoadStringA(AfxGetResourceHandle(), nID, &strText[0], static_cast<int>(strText.size()));
        // A copy that fills the buffer may have been cut short.
        if (nCopied < static_cast<int>(strText.size()) - 1)
        {
            strText.resize(static_cast<size_t>(nCopied < 0 ? 0 : nCopied));
            return strText;
        }
        strText.resize(strText.size() * 2);
    }
}

void AfxInitCommonControls()
{
    // InitCommonControls alone leaves the IP address class unregistered on
    // systems that give the program version 5 of the controls.
    INITCOMMONCONTROLSEX icc = {};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES;
    InitCommonControlsEx(&icc);
}

int AfxWinMain()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    try
    {
        if (!pApp->InitInstance())
            return pApp->ExitInstance();
        return pApp->Run();
    }
    catch (...)
    {
        AfxReportException(nullptr, std::current_exception());
        return -1;
    }
}
