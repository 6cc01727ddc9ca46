#include "support/ResizeCtrl.h"

#include "support/ResizeLogic.h"

#include <initializer_list>

namespace
{
// The window procedure finds its object through this property, so one
// procedure serves any number of parents.
const char RESIZECTRL_PROPERTY[] = "___CResizeCtrl___Class___";

// The signed screen coordinates of a mouse message: a monitor left of or above
// the primary one gives negative values.
POINT PointFromLParam(LPARAM lParam)
{
    POINT pt;
    pt.x = static_cast<short>(LOWORD(lParam));
    pt.y = static_cast<short>(HIWORD(lParam));
    return pt;
}

BOOL Normalise(BOOL b)
{
    return b ? TRUE : FALSE;
}
} // namespace

CResizeCtrl::CResizeCtrl()
    : m_bHadSizingBorder(FALSE),
      m_pfnOldWndProc(nullptr),
      m_bEnabled(FALSE),
      m_nScale(100),
      m_hWndParent(nullptr),
      m_sizeClient{0, 0},
      m_sizeMax{-1, -1},
      m_sizeMin{-1, -1},
      m_bInLayout(FALSE),
      m_nHitTest(0),
      m_ptGrabOffset{0, 0},
      m_bInMouseMove(FALSE),
      m_rcGrip{0, 0, 0, 0},
      m_bGripEnabled(FALSE)
{
}

CResizeCtrl::~CResizeCtrl()
{
    SetEnabled(FALSE);
    m_pInfo.reset();
}

BOOL CResizeCtrl::Create(CWnd* pParent, BOOL bEnable, int nScale)
{
    if (pParent == nullptr)
        return FALSE;
    return Create(pParent->GetSafeHwnd(), bEnable, nScale);
}

BOOL CResizeCtrl::Create(HWND hWndParent, BOOL bEnable, int nScale)
{
    // A handle that is not a window could never be subclassed; refusing it
    // keeps the object free for a later Create with a real parent.
    if (m_pInfo || !IsWindow(hWndParent))
        return FALSE;

    m_pInfo = std::make_unique<CResizeInfoArray>();
    m_nScale = nScale;
    m_hWndParent = hWndParent;
    m_bInLayout = FALSE;
    m_bEnabled = FALSE;
    m_pfnOldWndProc = nullptr;
    m_sizeMin = {-1, -1};
    m_sizeMax = {-1, -1};
    m_bHadSizingBorder = (GetWindowLongA(hWndParent, GWL_STYLE) & WS_THICKFRAME) != 0;
    if (bEnable)
        SetEnabled(TRUE);
    return TRUE;
}

BOOL CResizeCtrl::SetEnabled(BOOL bEnable)
{
    bEnable = Normalise(bEnable);
    if (bEnable == m_bEnabled)
        return FALSE;

    if (bEnable)
    {
        if (!m_pInfo || !IsWindow(m_hWndParent))
            return FALSE;
        m_nHitTest = 0;
        m_ptGrabOffset = {0, 0};
        m_bInMouseMove = FALSE;
        m_bInLayout = FALSE;
        if (!m_bHadSizingBorder)
            SetSizingBorder(TRUE);
        RECT rc = {};
        GetClientRect(m_hWndParent, &rc);
        m_sizeClient = {rc.right, rc.bottom};
        // The property must be in place before the first message reaches WndProc.
        SetPropA(m_hWndParent, RESIZECTRL_PROPERTY, this);
        m_pfnOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hWndParent, GWLP_WNDPROC));
        SetWindowLongPtrA(m_hWndParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CResizeCtrl::WndProc));
        m_bEnabled = TRUE;
    }
    else
    {
        SetWindowLongPtrA(m_hWndParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOldWndProc));
        m_pfnOldWndProc = nullptr;
        RemovePropA(m_hWndParent, RESIZECTRL_PROPERTY);
        if (!m_bHadSizingBorder)
            SetSizingBorder(FALSE);
        m_bEnabled = FALSE;
    }
    if (m_bGripEnabled)
        UpdateGripRect(m_rcGrip, TRUE);
    return TRUE;
}

void CResizeCtrl::SetGripEnabled(BOOL bEnable)
{
    bEnable = Normalise(bEnable);
    if (bEnable == m_bGripEnabled)
        return;
    m_bGripEnabled = bEnable;
    if (m_bEnabled)
        UpdateGripRect(m_rcGrip, TRUE);
}

BOOL CResizeCtrl::Add(HWND hWnd, int nLeft, int nTop, int nWidth, int nHeight)
{
    if (!m_pInfo)
        return FALSE;
    for (const int nShare : {nLeft, nTop, nWidth, nHeight})
    {
        if (nShare < 0 || nShare > m_nScale)
            return FALSE;
    }
    if (static_cast<long long>(nLeft) + nWidth > m_nScale || static_cast<long long>(nTop) + nHeight > m_nScale)
        return FALSE;
    if (!IsWindow(hWnd))
        return FALSE;
    m_pInfo->push_back({hWnd, 0, 0, 0, 0, nLeft, nTop, nWidth, nHeight});
    return TRUE;
}

BOOL CResizeCtrl::Add(UINT nID, int nLeft, int nTop, int nWidth, int nHeight)
{
    if (!m_pInfo)
        return FALSE;
    return Add(GetDlgItem(m_hWndParent, static_cast<int>(nID)), nLeft, nTop, nWidth, nHeight);
}

BOOL CResizeCtrl::SetMinimumTrackingSize(const SIZE& size)
{
    m_sizeMin = size;
    return TRUE;
}

BOOL CResizeCtrl::SetMinimumTrackingSize()
{
    RECT rc = {};
    if (GetWindowRect(m_hWndParent, &rc))
        m_sizeMin = {rc.right - rc.left, rc.bottom - rc.top};
    return TRUE;
}

LRESULT CALLBACK CResizeCtrl::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CResizeCtrl* pThis = static_cast<CResizeCtrl*>(GetPropA(hWnd, RESIZECTRL_PROPERTY));
    if (pThis == nullptr)
        return 0;
    // Taken now: WM_DESTROY releases the parent and clears the field.
    const WNDPROC pfnOldWndProc = pThis->m_pfnOldWndProc;
    LRESULT lResult = 0;
    if (pThis->ProcessMessage(uMsg, wParam, lParam, &lResult))
        return lResult;
    return CallWindowProcA(pfnOldWndProc, hWnd, uMsg, wParam, lParam);
}

BOOL CResizeCtrl::ProcessMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (uMsg)
    {
    case WM_NCHITTEST:
        return m_bGripEnabled && OnNcHitTest(lParam, pResult);
    case WM_PAINT:
        if (!m_bGripEnabled)
            return FALSE;
        *pResult = OnPaint(wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        SetEnabled(FALSE);
        return FALSE;
    case WM_SIZE:
        *pResult = OnSize(wParam, lParam);
        return TRUE;
    case WM_GETMINMAXINFO:
        *pResult = OnGetMinMaxInfo(wParam, lParam);
        return TRUE;
    }

    // A parent that had a sizing border of its own is sized by the system.
    if (m_bHadSizingBorder)
        return FALSE;

    switch (uMsg)
    {
    case WM_MOUSEMOVE:
        if (m_nHitTest != 0 && !m_bInMouseMove)
            OnMouseMove();
        break;
    case WM_NCLBUTTONDOWN:
        OnNcLButtonDown(static_cast<UINT>(wParam));
        break;
    case WM_LBUTTONUP:
        if (m_nHitTest != 0)
            OnLButtonUp();
        break;
    case WM_CAPTURECHANGED:
        if (m_nHitTest != 0)
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        break;
    }
    return FALSE;
}

LRESULT CResizeCtrl::CallOldWndProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcA(m_pfnOldWndProc, m_hWndParent, uMsg, wParam, lParam);
}

BOOL CResizeCtrl::OnNcHitTest(LPARAM lParam, LRESULT* pResult)
{
    POINT pt = PointFromLParam(lParam);
    ScreenToClient(m_hWndParent, &pt);
    if (!PtInRect(&m_rcGrip, pt))
        return FALSE;
    *pResult = HTBOTTOMRIGHT;
    return TRUE;
}

LRESULT CResizeCtrl::OnPaint(WPARAM wParam, LPARAM lParam)
{
    // The grip goes on top of whatever the parent paints.
    const LRESULT lResult = CallOldWndProc(WM_PAINT, wParam, lParam);
    HDC hDC = GetDC(m_hWndParent);
    if (hDC != nullptr)
    {
        DrawFrameControl(hDC, &m_rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        ReleaseDC(m_hWndParent, hDC);
    }
    return lResult;
}

LRESULT CResizeCtrl::OnSize(WPARAM wParam, LPARAM lParam)
{
    // The parent's own size handling sees the message before the controls move.
    const LRESULT lResult = CallOldWndProc(WM_SIZE, wParam, lParam);
    Layout(LOWORD(lParam), HIWORD(lParam));
    if (m_bGripEnabled)
    {
        InvalidateRect(m_hWndParent, &m_rcGrip, TRUE);
        UpdateGripRect(m_rcGrip, TRUE);
    }
    return lResult;
}

LRESULT CResizeCtrl::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = CallOldWndProc(WM_GETMINMAXINFO, wParam, lParam);
    MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    if (pInfo == nullptr)
        return lResult;
    // The system's values fill whatever has not been set.
    if (m_sizeMin.cx == -1)
        m_sizeMin.cx = pInfo->ptMinTrackSize.x;
    if (m_sizeMin.cy == -1)
        m_sizeMin.cy = pInfo->ptMinTrackSize.y;
    if (m_sizeMax.cx == -1)
        m_sizeMax.cx = pInfo->ptMaxTrackSize.x;
    if (m_sizeMax.cy == -1)
        m_sizeMax.cy = pInfo->ptMaxTrackSize.y;
    pInfo->ptMinTrackSize = {m_sizeMin.cx, m_sizeMin.cy};
    pInfo->ptMaxTrackSize = {m_sizeMax.cx, m_sizeMax.cy};
    return lResult;
}

void CResizeCtrl::OnMouseMove()
{
    m_bInMouseMove = TRUE;
    POINT pt = {};
    GetCursorPos(&pt);
    pt.x += m_ptGrabOffset.x;
    pt.y += m_ptGrabOffset.y;
    RECT rcOld = {};
    GetWindowRect(m_hWndParent, &rcOld);
    RECT rc = rcOld;
    switch (m_nHitTest)
    {
    case HTLEFT: rc.left = pt.x; break;
    case HTRIGHT: rc.right = pt.x; break;
    case HTTOP: rc.top = pt.y; break;
    case HTTOPLEFT: rc.left = pt.x; rc.top = pt.y; break;
    case HTTOPRIGHT: rc.right = pt.x; rc.top = pt.y; break;
    case HTBOTTOM: rc.bottom = pt.y; break;
    case HTBOTTOMLEFT: rc.left = pt.x; rc.bottom = pt.y; break;
    case HTBOTTOMRIGHT: rc.right = pt.x; rc.bottom = pt.y; break;
    }
    if (!EqualRect(&rc, &rcOld))
    {
        SetWindowPos(m_hWndParent, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bInMouseMove = FALSE;
}

void CResizeCtrl::OnNcLButtonDown(UINT nHitTest)
{
    m_nHitTest = nHitTest;
    m_ptGrabOffset = {0, 0};
    POINT pt = {};
    GetCursorPos(&pt);
    RECT rc = {};
    GetWindowRect(m_hWndParent, &rc);
    switch (nHitTest)
    {
    case HTLEFT: m_ptGrabOffset.x = rc.left - pt.x; break;
    case HTRIGHT: m_ptGrabOffset.x = rc.right - pt.x; break;
    case HTTOP: m_ptGrabOffset.y = rc.top - pt.y; break;
    case HTTOPLEFT: m_ptGrabOffset = {rc.left - pt.x, rc.top - pt.y}; break;
    case HTTOPRIGHT: m_ptGrabOffset = {rc.right - pt.x, rc.top - pt.y}; break;
    case HTBOTTOM: m_ptGrabOffset.y = rc.bottom - pt.y; break;
    case HTBOTTOMLEFT: m_ptGrabOffset = {rc.left - pt.x, rc.bottom - pt.y}; break;
    case HTBOTTOMRIGHT: m_ptGrabOffset = {rc.right - pt.x, rc.bottom - pt.y}; break;
    default:
        m_nHitTest = 0;
        return;
    }
    SetCapture(m_hWndParent);
}

void CResizeCtrl::OnLButtonUp()
{
    ReleaseCapture();
    m_nHitTest = 0;
}

void CResizeCtrl::OnCaptureChanged(HWND hWndNewCapture)
{
    // Without the capture the button-up never comes here; a drag left running
    // would make the next plain mouse move over the window resize it. This is
    // what happens when the system's own sizing loop takes over the press.
    if (hWndNewCapture != m_hWndParent)
        m_nHitTest = 0;
}

void CResizeCtrl::Layout(int cx, int cy)
{
    if (m_bInLayout)
        return;
    m_bInLayout = TRUE;
    const int dx = cx - m_sizeClient.cx;
    const int dy = cy - m_sizeClient.cy;
    if (!m_pInfo || m_pInfo->empty() || (dx == 0 && dy == 0))
    {
        m_bInLayout = FALSE;
        return;
    }

    // One batch, so the controls are repositioned together.
    HDWP hDwp = BeginDeferWindowPos(0);
    for (RESIZEINFO& info : *m_pInfo)
    {
        RECT rc;
        // A control destroyed since it was added has no place to adjust.
        if (!GetWindowRect(info.hWnd, &rc))
            continue;
        MapWindowPoints(nullptr, m_hWndParent, reinterpret_cast<POINT*>(&rc), 2);
        int nLeft = rc.left;
        int nTop = rc.top;
        int nWidth = rc.right - rc.left;
        int nHeight = rc.bottom - rc.top;
        BOOL bChanged = AdjustByShare(dx, info.nLeftShare, info.nLeftRem, nLeft, FALSE);
        bChanged |= AdjustByShare(dx, info.nWidthShare, info.nWidthRem, nWidth, TRUE);
        bChanged |= AdjustByShare(dy, info.nTopShare, info.nTopRem, nTop, FALSE);
        bChanged |= AdjustByShare(dy, info.nHeightShare, info.nHeightRem, nHeight, TRUE);
        // Without its old pixels the control is painted afresh: the dialog
        // does not clip its children and paints over what would be copied
        // along, and a list that grows scrolls its rows.
        if (bChanged)
            hDwp = DeferWindowPos(hDwp, info.hWnd, nullptr, nLeft, nTop, nWidth, nHeight,
                                  SWP_NOZORDER | SWP_NOCOPYBITS);
    }
    EndDeferWindowPos(hDwp);
    m_sizeClient = {cx, cy};
    m_bInLayout = FALSE;
}

BOOL CResizeCtrl::AdjustByShare(int nDelta, int nShare, int& nRemainder, int& nValue, BOOL bIsSize)
{
    return ::AdjustByShare(nDelta, nShare, m_nScale, nRemainder, nValue, bIsSize != FALSE) ? TRUE : FALSE;
}

void CResizeCtrl::SetSizingBorder(BOOL bSet)
{
    const BOOL bHasMenu = GetMenu(m_hWndParent) != nullptr;
    const DWORD dwStyle = static_cast<DWORD>(GetWindowLongA(m_hWndParent, GWL_STYLE));
    RECT rcWindow = {};
    GetWindowRect(m_hWndParent, &rcWindow);
    RECT rcOld = {};
    GetClientRect(m_hWndParent, &rcOld);
    RECT rcNew = rcOld;
    AdjustWindowRect(&rcOld, dwStyle, bHasMenu);
    const DWORD dwNewStyle = bSet ? (dwStyle | WS_THICKFRAME) : (dwStyle & ~static_cast<DWORD>(WS_THICKFRAME));
    AdjustWindowRect(&rcNew, dwNewStyle, bHasMenu);

    // The frame grows or shrinks around a client area that stays where it is.
    rcWindow.left += rcNew.left - rcOld.left;
    rcWindow.top += rcNew.top - rcOld.top;
    rcWindow.right += rcNew.right - rcOld.right;
    rcWindow.bottom += rcNew.bottom - rcOld.bottom;
    SetWindowLongA(m_hWndParent, GWL_STYLE, static_cast<LONG>(dwNewStyle));
    SetWindowPos(m_hWndParent, nullptr, rcWindow.left, rcWindow.top, rcWindow.right - rcWindow.left,
                 rcWindow.bottom - rcWindow.top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CResizeCtrl::UpdateGripRect(RECT& rc, BOOL bInvalidate)
{
    GetClientRect(m_hWndParent, &rc);
    rc.left = rc.right - GetSystemMetrics(SM_CXVSCROLL);
    rc.top = rc.bottom - GetSystemMetrics(SM_CYHSCROLL);
    if (bInvalidate)
        InvalidateRect(m_hWndParent, &rc, TRUE);
}
