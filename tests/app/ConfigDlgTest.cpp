#include "app/ConfigDlg.h"

#include "app/DialogDriver.h"
#include "engine/ConfigJob.h"
#include "framework/App.h"
#include "framework/Sockets.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <iphlpapi.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
class CTestConfigDlg : public CConfigDlg
{
public:
    CTestConfigDlg() = default;
    explicit CTestConfigDlg(const CHostIdentityCalls& calls) { m_hostIdentity = CHostIdentity(calls); }

    using CConfigDlg::InitLogColumns;
    using CConfigDlg::m_imageList;
};

// The identity the stand-in system calls report: host "trevolt01" in the
// domain "example.com", with the addresses of g_addresses.
std::vector<std::array<unsigned char, 4>> g_addresses;

int FakeGetHostName(char* pszName, int nLength)
{
    return lstrcpynA(pszName, "trevolt01", nLength) != nullptr ? 0 : -1;
}

unsigned long FakeGetNetworkParams(void* pFixedInfo, unsigned long* pulSize)
{
    if (pFixedInfo == nullptr)
    {
        *pulSize = sizeof(FIXED_INFO);
        return ERROR_BUFFER_OVERFLOW;
    }
    FIXED_INFO* pInfo = static_cast<FIXED_INFO*>(pFixedInfo);
    lstrcpynA(pInfo->HostName, "trevolt01", sizeof pInfo->HostName);
    lstrcpynA(pInfo->DomainName, "example.com", sizeof pInfo->DomainName);
    return NO_ERROR;
}

const hostent* FakeGetHostByName(const char*)
{
    static hostent entry;
    static std::vector<char*> list;
    list.clear();
    for (auto& address : g_addresses)
        list.push_back(reinterpret_cast<char*>(address.data()));
    list.push_back(nullptr);
    entry = hostent();
    entry.h_name = const_cast<char*>("trevolt01");
    entry.h_addrtype = AF_INET;
    entry.h_length = 4;
    entry.h_addr_list = list.data();
    return &entry;
}

const CHostIdentityCalls FAKE_IDENTITY = {&FakeGetHostName, &FakeGetNetworkParams, &FakeGetHostByName};

// The four fields of the IP address control as they show on screen.
std::string FieldsOf(HWND hAddress)
{
    std::string strText;
    for (HWND h = GetWindow(hAddress, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
        strText += (strText.empty() ? "" : ".") + TextOf(h);
    return strText;
}

std::string AddressOf(HWND hAddress)
{
    DWORD dwAddress = 0;
    SendMessageA(hAddress, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress));
    return std::to_string(FIRST_IPADDRESS(dwAddress)) + "." + std::to_string(SECOND_IPADDRESS(dwAddress)) + "." +
           std::to_string(THIRD_IPADDRESS(dwAddress)) + "." + std::to_string(FOURTH_IPADDRESS(dwAddress));
}

struct LogRow
{
    std::string strType;
    int nImage;
    std::string strTime;
    std::string strDescription;
};

std::string ItemText(HWND hList, int nItem, int nSubItem)
{
    char text[4096] = "";
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return text;
}

std::vector<LogRow> RowsOf(HWND hList)
{
    std::vector<LogRow> rows;
    const int nCount = static_cast<int>(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
    {
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        rows.push_back({ItemText(hList, i, 0), item.iImage, ItemText(hList, i, 1), ItemText(hList, i, 2)});
    }
    return rows;
}

bool IsTimeOfDay(const std::string& strText)
{
    unsigned h = 99, m = 99, s = 99;
    char end = 0;
    return strText.size() == 8 && std::sscanf(strText.c_str(), "%2u:%2u:%2u%c", &h, &m, &s, &end) == 3 && h < 24 &&
           m < 60 && s < 60;
}

class ConfigDlgTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        AfxInitCommonControls();
        AfxSocketInit();
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create());
        m_app.m_pMainWnd = &m_dlg;
        PumpDialog(m_dlg.m_hWnd);
    }

    void TearDown() override
    {
        m_app.m_pMainWnd = nullptr;
        m_dlg.DestroyWindow();
    }

    HWND Item(int nID) const { return GetDlgItem(m_dlg.m_hWnd, nID); }
    std::vector<LogRow> Rows() const { return RowsOf(Item(IDC_LOG_LIST)); }

    CWinApp m_app;
    CTestConfigDlg m_dlg;
};
} // namespace

TEST_F(ConfigDlgTest, ControlsStandInTabOrderWithTheirTextsAndPlaces)
{
    struct Control
    {
        int nID;
        const char* pszClass;
        const char* pszText;
        RECT rcUnits; // x, y, width, height in dialog units, as the template has them
        DWORD dwStyle;
    } expected[] = {
        {IDC_CONFIGURE, "Button", "Configure", {263, 7, 50, 16}, WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "E&xit", {263, 25, 50, 16}, WS_TABSTOP},
        {IDC_SHORT_NAME, "Edit", "", {59, 7, 94, 12}, WS_TABSTOP | ES_AUTOHSCROLL},
        {IDC_FULL_NAME, "Edit", "", {59, 21, 185, 12}, WS_TABSTOP | ES_AUTOHSCROLL},
        {IDC_STATIC, "Static", "Short Name:", {7, 8, 50, 8}, WS_GROUP},
        {IDC_STATIC, "Static", "Full DNS Name:", {7, 22, 50, 8}, WS_GROUP},
        {IDC_STATIC, "Static", "IP Address:", {7, 36, 50, 8}, WS_GROUP},
        {IDC_IP_ADDRESS, "SysIPAddress32", nullptr, {59, 35, 185, 11}, WS_TABSTOP},
        {IDC_LOG_LIST, "SysListView32", "", {7, 53, 306, 141}, WS_TABSTOP | LVS_REPORT},
        {IDC_NEXT_ADDRESS, "Button", "", {248, 36, 10, 9}, WS_TABSTOP | BS_ICON},
    };
    HWND hChild = GetWindow(m_dlg.m_hWnd, GW_CHILD);
    for (const Control& c : expected)
    {
        ASSERT_NE(nullptr, hChild) << c.nID;
        EXPECT_EQ(c.nID, GetDlgCtrlID(hChild));
        char cls[64] = "";
        GetClassNameA(hChild, cls, sizeof cls);
        EXPECT_STREQ(c.pszClass, cls) << c.nID;
        if (c.pszText != nullptr && c.nID != IDC_SHORT_NAME && c.nID != IDC_FULL_NAME)
        {
            EXPECT_EQ(c.pszText, TextOf(hChild));
        }
        // The dialog manager converts place and size each on its own.
        RECT rcExpected = c.rcUnits;
        MapDialogRect(m_dlg.m_hWnd, &rcExpected);
        RECT rc;
        GetWindowRect(hChild, &rc);
        MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rcExpected.left, rc.left) << c.nID;
        EXPECT_EQ(rcExpected.top, rc.top) << c.nID;
        EXPECT_EQ(rcExpected.right, rc.right - rc.left) << c.nID;
        EXPECT_EQ(rcExpected.bottom, rc.bottom - rc.top) << c.nID;
        const DWORD dwStyle = static_cast<DWORD>(GetWindowLongA(hChild, GWL_STYLE));
        EXPECT_EQ(c.dwStyle, dwStyle & c.dwStyle) << c.nID;
        hChild = GetWindow(hChild, GW_HWNDNEXT);
    }
    EXPECT_EQ(nullptr, hChild);

    EXPECT_EQ("Trevolt Configuration", TextOf(m_dlg.m_hWnd));
    EXPECT_EQ(nullptr, Item(IDOK));
    EXPECT_EQ(MAKELONG(IDC_CONFIGURE, DC_HASDEFID), SendMessageA(m_dlg.m_hWnd, DM_GETDEFID, 0, 0));
    EXPECT_EQ(Item(IDC_CONFIGURE), GetFocus());
    const LONG_PTR style = GetWindowLongPtrA(m_dlg.m_hWnd, GWL_STYLE);
    EXPECT_EQ(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
              style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_NE(0, GetWindowLongPtrA(m_dlg.m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(ConfigDlgTest, LogMessagesBecomeRowsInOrderWithTypeImageTimeAndUnchangedText)
{
    struct Line
    {
        int nSeverity;
        const char* pszText;
        const char* pszType;
        int nImage;
    } lines[] = {
        {LOG_INFORMATION, "Executing: C:\\users\\x\\Temp\\A1.tmp.bat", "Information", 0},
        {LOG_WARNING, "Property '%s' not found", "Warning", 1},
        {LOG_ERROR, "100% sure \\n %d", "Error", 2},
        {3, "", "Information", 0},
        {-1, "Changed host=>n\\e%w", "Information", 0},
    };
    for (const Line& line : lines)
        PostMessageA(m_dlg.m_hWnd, WM_LOGMESSAGE, static_cast<WPARAM>(static_cast<INT_PTR>(line.nSeverity)),
                     reinterpret_cast<LPARAM>(new std::string(line.pszText)));
    EXPECT_EQ(0u, Rows().size()); // only the dialog's loop shows them
    PumpDialog(m_dlg.m_hWnd);

    const std::vector<LogRow> rows = Rows();
    ASSERT_EQ(5u, rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
    {
        EXPECT_EQ(lines[i].pszType, rows[i].strType) << i;
        EXPECT_EQ(lines[i].nImage, rows[i].nImage) << i;
        EXPECT_TRUE(IsTimeOfDay(rows[i].strTime)) << rows[i].strTime;
        EXPECT_EQ(lines[i].pszText, rows[i].strDescription) << i;
    }
}

TEST_F(ConfigDlgTest, LogMessageWithoutTextGivesAnEmptyRow)
{
    PostMessageA(m_dlg.m_hWnd, WM_LOGMESSAGE, LOG_WARNING, 0);
    PumpDialog(m_dlg.m_hWnd);
    const std::vector<LogRow> rows = Rows();
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("Warning", rows[0].strType);
    EXPECT_EQ("", rows[0].strDescription);
}

TEST_F(ConfigDlgTest, ListScrollsToShowTheNewestRowEntirely)
{
    const HWND hList = Item(IDC_LOG_LIST);
    for (int i = 0; i < 25; ++i)
        PostMessageA(m_dlg.m_hWnd, WM_LOGMESSAGE, LOG_INFORMATION,
                     reinterpret_cast<LPARAM>(new std::string("line " + std::to_string(i))));
    PumpDialog(m_dlg.m_hWnd);
    ASSERT_EQ(25, SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0));
    const int nPerPage = static_cast<int>(SendMessageA(hList, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_LT(nPerPage, 25); // the list had to scroll
    RECT rcItem = {};
    rcItem.left = LVIR_BOUNDS;
    SendMessageA(hList, LVM_GETITEMRECT, 24, reinterpret_cast<LPARAM>(&rcItem));
    RECT rcClient;
    GetClientRect(hList, &rcClient);
    EXPECT_GE(rcItem.top, 0);
    EXPECT_LE(rcItem.bottom, rcClient.bottom);
    EXPECT_GT(SendMessageA(hList, LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(ConfigDlgTest, ColumnsTakeFifteenFifteenSeventyPerCentOfTheListWidth)
{
    const HWND hList = Item(IDC_LOG_LIST);
    while (SendMessageA(hList, LVM_DELETECOLUMN, 0, 0))
    {
    }
    RECT rcWindow, rcClient;
    GetWindowRect(hList, &rcWindow);
    GetClientRect(hList, &rcClient);
    const int nFrame = (rcWindow.right - rcWindow.left) - rcClient.right;
    SetWindowPos(hList, nullptr, 0, 0, 455 + nFrame, rcWindow.bottom - rcWindow.top, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(hList, &rcClient);
    ASSERT_EQ(455, rcClient.right);

    m_dlg.InitLogColumns();
    const char* const headings[] = {"Type", "Time", "Description"};
    const int widths[] = {68, 68, 318};
    for (int i = 0; i < 3; ++i)
    {
        char text[32] = "";
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(SendMessageA(hList, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(headings[i], text);
        EXPECT_EQ(LVCFMT_LEFT, column.fmt & LVCFMT_JUSTIFYMASK);
        EXPECT_EQ(widths[i], column.cx) << i;
    }
}

TEST_F(ConfigDlgTest, SizeMessageFitsTheLastColumnToTheListWidth)
{
    const HWND hList = Item(IDC_LOG_LIST);
    const int nDescriptionBefore = static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, 2, 0));
    RECT rcDlg, rcList;
    GetClientRect(m_dlg.m_hWnd, &rcDlg);
    GetClientRect(hList, &rcList);
    SendMessageA(m_dlg.m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcDlg.right, rcDlg.bottom));
    int nTotal = 0;
    for (int i = 0; i < 3; ++i)
        nTotal += static_cast<int>(SendMessageA(hList, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
    EXPECT_EQ(rcList.right, nTotal);
    EXPECT_GT(SendMessageA(hList, LVM_GETCOLUMNWIDTH, 2, 0), nDescriptionBefore);
}

TEST_F(ConfigDlgTest, SeverityImagesAreTheListsSmallImagesOwnedByTheDialog)
{
    const HWND hList = Item(IDC_LOG_LIST);
    const HIMAGELIST hImages = m_dlg.m_imageList.GetSafeHandle();
    ASSERT_NE(nullptr, hImages);
    EXPECT_EQ(hImages, reinterpret_cast<HIMAGELIST>(SendMessageA(hList, LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
    EXPECT_EQ(3, ImageList_GetImageCount(hImages));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hImages, &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    // The dialog releases the list once; the control must leave it alone.
    EXPECT_NE(0, GetWindowLongPtrA(hList, GWL_STYLE) & LVS_SHAREIMAGELISTS);
}

TEST_F(ConfigDlgTest, IconsOfTheWindowAndTheDragAreTheProgramIcon)
{
    const LRESULT hBig = SendMessageA(m_dlg.m_hWnd, WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(0, hBig);
    EXPECT_EQ(hBig, SendMessageA(m_dlg.m_hWnd, WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(hBig, SendMessageA(m_dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0));
}

TEST_F(ConfigDlgTest, SystemMenuEndsWithAboutWhichOpensTheAboutBox)
{
    const HMENU hMenu = GetSystemMenu(m_dlg.m_hWnd, FALSE);
    ASSERT_NE(nullptr, hMenu);
    const int nCount = GetMenuItemCount(hMenu);
    ASSERT_GE(nCount, 2);
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR),
              GetMenuState(hMenu, static_cast<UINT>(nCount - 2), MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(static_cast<UINT>(IDM_ABOUTBOX), GetMenuItemID(hMenu, nCount - 1));
    char text[64] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(nCount - 1), text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&About Celvane...", text);

    std::string strCaption, strVersion;
    HWND hOwner = nullptr;
    bool bHasIcon = false;
    BOOL bMainEnabled = TRUE;
    {
        CDialogWatcher watcher([&](HWND hAbout) {
            strCaption = TextOf(hAbout);
            hOwner = GetWindow(hAbout, GW_OWNER);
            bMainEnabled = IsWindowEnabled(m_dlg.m_hWnd);
            for (HWND h = GetWindow(hAbout, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
            {
                if (TextOf(h).rfind("Celvane Version", 0) == 0)
                    strVersion = TextOf(h);
                if (SendMessageA(h, STM_GETICON, 0, 0) != 0)
                    bHasIcon = true;
            }
            PostKey(GetDlgItem(hAbout, IDOK), VK_RETURN);
        });
        SendMessageA(m_dlg.m_hWnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    }
    EXPECT_EQ("About Celvane", strCaption);
    EXPECT_EQ("Celvane Version 1.0.0.4", strVersion);
    EXPECT_TRUE(bHasIcon);
    EXPECT_EQ(m_dlg.m_hWnd, hOwner);
    EXPECT_FALSE(bMainEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_dlg.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(m_dlg.m_hWnd));
}

TEST(ConfigDlgIdentity, FieldsShowTheIdentityAndTheButtonCyclesTheAddresses)
{
    struct Case
    {
        std::vector<std::array<unsigned char, 4>> addresses;
        std::vector<std::string> shown; // at first, then after typing 1.2.3.4 and a press, each time
    } cases[] = {
        {{}, {"0.0.0.0", "1.2.3.4", "1.2.3.4"}},
        {{{10, 1, 2, 3}}, {"10.1.2.3", "10.1.2.3", "10.1.2.3"}},
        {{{192, 168, 20, 14}, {10, 0, 0, 7}}, {"192.168.20.14", "10.0.0.7", "192.168.20.14", "10.0.0.7"}},
    };
    AfxInitCommonControls();
    CWinApp app;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.addresses.size());
        g_addresses = c.addresses;
        CTestConfigDlg dlg(FAKE_IDENTITY);
        ASSERT_TRUE(dlg.Create());
        const HWND hAddress = GetDlgItem(dlg.m_hWnd, IDC_IP_ADDRESS);
        EXPECT_EQ("trevolt01", TextOf(GetDlgItem(dlg.m_hWnd, IDC_SHORT_NAME)));
        EXPECT_EQ("trevolt01.example.com", TextOf(GetDlgItem(dlg.m_hWnd, IDC_FULL_NAME)));
        for (size_t i = 0; i < c.shown.size(); ++i)
        {
            if (i > 0)
            {
                SendMessageA(hAddress, IPM_SETADDRESS, 0, MAKEIPADDRESS(1, 2, 3, 4));
                SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_NEXT_ADDRESS, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dlg.m_hWnd, IDC_NEXT_ADDRESS)));
            }
            EXPECT_EQ(c.shown[i], AddressOf(hAddress)) << i;
            EXPECT_EQ(c.shown[i], FieldsOf(hAddress)) << i;
        }
        dlg.DestroyWindow();
    }
}

TEST_F(ConfigDlgTest, GrowingTheWindowMovesTheButtonsAndGrowsTheListAndFullName)
{
    EXPECT_NE(0, GetWindowLongPtrA(m_dlg.m_hWnd, GWL_STYLE) & WS_THICKFRAME);
    struct Follow
    {
        int nID;
        int dx, dy, dcx, dcy;
    } follows[] = {
        {IDC_LOG_LIST, 0, 0, 100, 60},  {IDC_CONFIGURE, 100, 0, 0, 0}, {IDCANCEL, 100, 0, 0, 0},
        {IDC_FULL_NAME, 0, 0, 100, 0},  {IDC_SHORT_NAME, 0, 0, 0, 0},  {IDC_IP_ADDRESS, 0, 0, 0, 0},
        {IDC_NEXT_ADDRESS, 0, 0, 0, 0},
    };
    const auto placeOf = [this](int nID) {
        RECT rc;
        GetWindowRect(Item(nID), &rc);
        MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    std::vector<RECT> before;
    for (const Follow& f : follows)
        before.push_back(placeOf(f.nID));
    RECT rcWindow;
    GetWindowRect(m_dlg.m_hWnd, &rcWindow);
    SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, rcWindow.right - rcWindow.left + 100, rcWindow.bottom - rcWindow.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (size_t i = 0; i < before.size(); ++i)
    {
        const Follow& f = follows[i];
        const RECT rc = placeOf(f.nID);
        EXPECT_EQ(before[i].left + f.dx, rc.left) << f.nID;
        EXPECT_EQ(before[i].top + f.dy, rc.top) << f.nID;
        EXPECT_EQ(before[i].right - before[i].left + f.dcx, rc.right - rc.left) << f.nID;
        EXPECT_EQ(before[i].bottom - before[i].top + f.dcy, rc.bottom - rc.top) << f.nID;
    }
}

TEST_F(ConfigDlgTest, WindowCannotBeTrackedSmallerThanItOpened)
{
    RECT rcWindow;
    GetWindowRect(m_dlg.m_hWnd, &rcWindow);
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = {5000, 5000};
    SendMessageA(m_dlg.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(rcWindow.right - rcWindow.left, info.ptMinTrackSize.x);
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, info.ptMinTrackSize.y);
}
