#include "app/ConfigApp.h"

#include "app/ConfigDlg.h"
#include "framework/MessageBox.h"
#include "framework/Sockets.h"

#include "resource.h"

BOOL CConfigApp::InitInstance()
{
    AfxInitCommonControls();
    CWinApp::InitInstance();
    if (!AfxSocketInit())
    {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }

    CConfigDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
