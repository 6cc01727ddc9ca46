#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/MessageBox.h"

namespace
{
// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool AnswersDirectly(UINT nMessage)
{
    return nMessage == WM_INITDIALOG || nMessage == WM_QUERYDRAGICON || nMessage == WM_COMPAREITEM ||
           nMessage == WM_VKEYTOITEM || nMessage == WM_CHARTOITEM ||
           (nMessage >= WM_CTLCOLORMSGBOX && nMessage <= WM_CTLCOLORSTATIC);
}

// Without a parent of its own, a dialog is owned by the main window, so that
// the main window takes no input while it is open.
HWND OwnerOf(const CWnd* pParent, const CDialog* pDlg)
{
    if (pParent != nullptr)
        return pParent->GetSafeHwnd();
    const CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pMainWnd == pDlg)
        return nullptr;
    return AfxGetMainWndHandle();
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent) : m_nIDTemplate(nIDTemplate), m_pParent(pParent)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
    {
        // The derived part is gone already: no message may reach it.
        SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
        ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), OwnerOf(m_pParent, this),
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create()
{
    const HWND hWnd = CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                         OwnerOf(m_pParent, this), &CDialog::DialogProc,
                                         reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::CallHandler(const CMessageMap& map, UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    const CMessageEntry* pEntry = map.Find(nMessage, wParam);
    if (pEntry == nullptr)
        return false;
    m_bMsgHandled = true;
    lResult = pEntry->pfnCall(*this, wParam, lParam);
    return m_bMsgHandled;
}

bool CDialog::Dispatch(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    static const CMessageEntry s_baseMap[] = {
        MapCommand<&CDialog::OnOK>(IDOK, BN_CLICKED),
        MapCommand<&CDialog::OnCancel>(IDCANCEL, BN_CLICKED),
    };
    // Errors stop here: they must not unwind through the system's code.
    // The command counts as handled and the dialog stays usable.
    try
    {
        if (nMessage == WM_INITDIALOG)
        {
            lResult = OnInitDialog();
            return true;
        }
        return CallHandler(GetMessageMap(), nMessage, wParam, lParam, lResult) ||
               CallHandler(CMessageMap(s_baseMap), nMessage, wParam, lParam, lResult);
    }
    catch (...)
    {
        AfxReportException(m_hWnd, std::current_exception());
        lResult = (nMessage == WM_INITDIALOG) ? TRUE : 0;
        return true;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg = nullptr;
    if (nMessage == WM_INITDIALOG)
    {
        pDlg = FromLongPtr<CDialog*>(lParam);
        pDlg->m_hWnd = hWnd;
        SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(pDlg));
    }
    else
    {
        pDlg = FromLongPtr<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (pDlg == nullptr)
        return FALSE;

    LRESULT lResult = 0;
    const bool bHandled = pDlg->Dispatch(nMessage, wParam, lParam, lResult);
    if (nMessage == WM_NCDESTROY)
    {
        SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        pDlg->m_hWnd = nullptr;
    }
    if (!bHandled)
        return FALSE;
    if (AnswersDirectly(nMessage))
        return static_cast<INT_PTR>(lResult);
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}

void DDX_Control(CDataExchange* pDX, int nID, CWnd& control)
{
    control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(nID);
}
