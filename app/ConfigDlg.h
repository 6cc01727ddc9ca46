// The main dialog "Trevolt Configuration": the host's identity fields, the
// address button, "Configure" and the log list of the runs.
#pragma once

#include "app/HostIdentity.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "support/ResizeCtrl.h"

#include <memory>

class CConfigDlg : public CDialog
{
public:
    explicit CConfigDlg(CWnd* pParent = nullptr);
    ~CConfigDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    CMessageMap GetMessageMap() const override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnConfigure();
    LRESULT OnLogMessage(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnNextAddress();

    void AddLogLine(const char* pszText, int nSeverity);
    void InitLogColumns();
    BOOL InitLogImageList();

    HICON m_hIcon;
    CHostIdentity m_hostIdentity;
    CEdit m_editShortName;
    CEdit m_editFullName;
    CIPAddressCtrl m_ipAddress;
    CImageList m_imageList;
    CResizeCtrl m_resize;
    CListCtrl m_listLog;
    std::unique_ptr<CStringArray> m_pAddresses;
    int m_nAddress;
};
