#include "app/ConfigDlg.h"

#include "app/AboutDlg.h"
#include "app/LogLogic.h"
#include "engine/ConfigJob.h"
#include "framework/App.h"
#include "framework/GdiObject.h"

#include "resource.h"

#include <ctime>
#include <string>

namespace
{
const COLORREF LOG_ICONS_MASK = RGB(255, 0, 255);

void SetSubItemText(CListCtrl& list, int nItem, int nSubItem, const char* pszText)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(pszText);
    list.SetItem(item);
}
} // namespace

CConfigDlg::CConfigDlg(CWnd* pParent)
    : CDialog(IDD_CONFIG_DIALOG, pParent),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_nAddress(-1)
{
}

CConfigDlg::~CConfigDlg() = default;

CMessageMap CConfigDlg::GetMessageMap() const
{
    static const CMessageEntry s_messageMap[] = {
        MapMessage<&CConfigDlg::OnSysCommand>(WM_SYSCOMMAND),
        MapMessage<&CConfigDlg::OnPaint>(WM_PAINT),
        MapMessage<&CConfigDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        MapCommand<&CConfigDlg::OnConfigure>(IDC_CONFIGURE, BN_CLICKED),
        MapMessage<&CConfigDlg::OnLogMessage>(WM_LOGMESSAGE),
        MapMessage<&CConfigDlg::OnSize>(WM_SIZE),
        MapCommand<&CConfigDlg::OnNextAddress>(IDC_NEXT_ADDRESS, BN_CLICKED),
    };
    return s_messageMap;
}

void CConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHORT_NAME, m_editShortName);
    DDX_Control(pDX, IDC_FULL_NAME, m_editFullName);
    DDX_Control(pDX, IDC_IP_ADDRESS, m_ipAddress);
    DDX_Control(pDX, IDC_LOG_LIST, m_listLog);
}

BOOL CConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_resize.Create(this, FALSE, 100);

    const HMENU hSysMenu = GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu != nullptr)
    {
        const std::string strAboutMenu = AfxLoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.empty())
        {
            AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, strAboutMenu.c_str());
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_resize.SetEnabled(TRUE);
    m_resize.SetGripEnabled(TRUE);
    m_resize.Add(IDC_LOG_LIST, 0, 0, 100, 100);
    m_resize.Add(IDC_CONFIGURE, 100, 0, 0, 0);
    m_resize.Add(IDCANCEL, 100, 0, 0, 0);
    m_resize.Add(IDC_FULL_NAME, 0, 0, 100, 0);
    m_resize.SetMinimumTrackingSize();

    m_editShortName.SetWindowText(m_hostIdentity.GetShortName());
    m_editFullName.SetWindowText(m_hostIdentity.GetFullName());
    m_pAddresses = m_hostIdentity.GetAddresses();
    if (m_pAddresses != nullptr && !m_pAddresses->empty())
    {
        m_nAddress = 0;
        m_ipAddress.SetAddressText((*m_pAddresses)[0]);
    }
    else
    {
        m_ipAddress.SetAddressText("0.0.0.0");
    }

    m_listLog.SetExtendedStyle(m_listLog.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    InitLogColumns();
    InitLogImageList();
    return TRUE; // the focus goes to the first tab stop, "Configure"
}

void CConfigDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    }
    else
    {
        SetMsgHandled(false);
    }
}

void CConfigDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
    {
        SetMsgHandled(false);
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    const RECT rc = GetClientRect();
    const int x = (rc.right - rc.left - cxIcon + 1) / 2;
    const int y = (rc.bottom - rc.top - cyIcon + 1) / 2;
    DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CConfigDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CConfigDlg::OnConfigure()
{
    CConfigJob job;
    UpdateData(TRUE);
    const std::string strShortName = m_editShortName.GetWindowText();
    const std::string strFullName = m_editFullName.GetWindowText();
    const std::string strIPAddress = m_ipAddress.GetAddressText();
    job.Run(strShortName.c_str(), strFullName.c_str(), strIPAddress.c_str());
}

LRESULT CConfigDlg::OnLogMessage(WPARAM wParam, LPARAM lParam)
{
    const std::unique_ptr<std::string> pText(FromLongPtr<std::string*>(lParam));
    AddLogLine(pText != nullptr ? pText->c_str() : "", static_cast<int>(static_cast<INT_PTR>(wParam)));
    return 0;
}

void CConfigDlg::OnSize(UINT, int, int)
{
    // The dialog manager's default handling follows; it changes nothing the
    // columns depend on.
    SetMsgHandled(false);
    if (m_listLog.m_hWnd == nullptr || !IsWindow(m_listLog.m_hWnd))
        return;
    CHeaderCtrl header;
    header.m_hWnd = m_listLog.GetHeaderCtrl();
    if (header.m_hWnd == nullptr)
        return;
    const int nCount = header.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        m_listLog.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
}

void CConfigDlg::OnNextAddress()
{
    if (m_pAddresses == nullptr || m_pAddresses->empty())
        return;
    ++m_nAddress;
    if (m_nAddress >= static_cast<int>(m_pAddresses->size()))
        m_nAddress = 0;
    m_ipAddress.SetAddressText((*m_pAddresses)[static_cast<size_t>(m_nAddress)]);
}

void CConfigDlg::AddLogLine(const char* pszText, int nSeverity)
{
    const CSeverityDisplay display = GetSeverityDisplay(nSeverity);
    const int nItem = m_listLog.GetItemCount();
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = nItem;
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(display.pszType);
    item.iImage = display.nImage;
    m_listLog.InsertItem(item);

    const std::string strTime = FormatLogTime(std::time(nullptr));
    SetSubItemText(m_listLog, nItem, 1, strTime.c_str());
    SetSubItemText(m_listLog, nItem, 2, pszText != nullptr ? pszText : "");

    m_listLog.EnsureVisible(m_listLog.GetItemCount() - 1, FALSE);
}

void CConfigDlg::InitLogColumns()
{
    const RECT rc = m_listLog.GetClientRect();
    const CLogColumnWidths widths = GetLogColumnWidths(rc.right - rc.left);
    m_listLog.InsertColumn(0, "Type", LVCFMT_LEFT, widths.nType, -1);
    m_listLog.InsertColumn(1, "Time", LVCFMT_LEFT, widths.nTime, -1);
    m_listLog.InsertColumn(2, "Description", LVCFMT_LEFT, widths.nDescription, -1);
}

BOOL CConfigDlg::InitLogImageList()
{
    m_imageList.Create(16, 16, ILC_COLOR8 | ILC_MASK, 8, 1);
    const CBitmapHandle bitmap(LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDB_LOG_ICONS)));
    m_imageList.Add(bitmap.Get(), LOG_ICONS_MASK);
    // The dialog owns the image list and destroys it; without this style the
    // list would destroy it as well when it goes.
    m_listLog.ModifyStyle(0, LVS_SHAREIMAGELISTS);
    m_listLog.SetImageList(m_imageList.GetSafeHandle(), LVSIL_SMALL);
    return TRUE;
}
