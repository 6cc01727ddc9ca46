// Makes a dialog laid out at a fixed size resizable: controls registered with
// it follow each change of the parent's client size by fixed shares.
#pragma once

#include "framework/Wnd.h"

#include <windows.h>

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

    // (The private members and the window procedure are defined with the
    // implementation.)
};
