// Makes a dialog laid out at a fixed size resizable: controls registered with
// it follow each change of the parent's client size by fixed shares.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>

#include <memory>
#include <vector>

struct RESIZEINFO
{
    HWND hWnd;
    int nLeftRem;
    int nTopRem;
    int nWidthRem;
    int nHeightRem;
    int nLeftShare;
    int nTopShare;
    int nWidthShare;
    int nHeightShare;
};

using CResizeInfoArray = std::vector<RESIZEINFO>;

class CResizeCtrl
{
public:
    CResizeCtrl();
    virtual ~CResizeCtrl();
    CResizeCtrl(const CResizeCtrl&) = delete;
    CResizeCtrl& operator=(const CResizeCtrl&) = delete;

    BOOL Create(CWnd* pParent, BOOL bEnable, int nScale);
    BOOL Create(HWND hWndParent, BOOL bEnable, int nScale);
    BOOL SetEnabled(BOOL bEnable);
    void SetGripEnabled(BOOL bEnable);
    BOOL Add(HWND hWnd, int nLeft, int nTop, int nWidth, int nHeight);
    BOOL Add(UINT nID, int nLeft, int nTop, int nWidth, int nHeight);
    BOOL SetMinimumTrackingSize(const SIZE& size);
    BOOL SetMinimumTrackingSize();

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    BOOL ProcessMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    LRESULT CallOldWndProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

    BOOL OnNcHitTest(LPARAM lParam, LRESULT* pResult);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    void OnMouseMove();
    void OnNcLButtonDown(UINT nHitTest);
    void OnLButtonUp();
    void OnCaptureChanged(HWND hWndNewCapture);

    void Layout(int cx, int cy);
    BOOL AdjustByShare(int nDelta, int nShare, int& nRemainder, int& nValue, BOOL bIsSize);
    void SetSizingBorder(BOOL bSet);
    void UpdateGripRect(RECT& rc, BOOL bInvalidate);

    BOOL m_bHadSizingBorder;
    WNDPROC m_pfnOldWndProc;
    BOOL m_bEnabled;
    int m_nScale;
    HWND m_hWndParent;
    SIZE m_sizeClient;
    std::unique_ptr<CResizeInfoArray> m_pInfo;
    SIZE m_sizeMax;
    SIZE m_sizeMin;
    BOOL m_bInLayout;
    UINT m_nHitTest;
    POINT m_ptGrabOffset;
    BOOL m_bInMouseMove;
    RECT m_rcGrip;
    BOOL m_bGripEnabled;
};
