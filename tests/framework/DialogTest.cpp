#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/FileException.h"
#include "framework/MessageBox.h"

#include "app/DialogDriver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace
{
const UINT WM_PROBE_THROW = WM_APP;
const UINT WM_PROBE_ECHO = WM_APP + 1;

enum
{
    THROW_BAD_ALLOC,
    THROW_FILE_ERROR,
    THROW_RUNTIME_ERROR,
    THROW_INT,
};

// A dialog on the about box's template with a map of its own.
class CProbeDlg : public CDialog
{
public:
    CProbeDlg() : CDialog(IDD_ABOUTBOX, nullptr) {}

    HICON m_hDragIcon = nullptr;

protected:
    CMessageMap GetMessageMap() const override
    {
        static const CMessageEntry s_messageMap[] = {
            MapMessage<&CProbeDlg::OnProbeThrow>(WM_PROBE_THROW),
            MapMessage<&CProbeDlg::OnProbeEcho>(WM_PROBE_ECHO),
            MapMessage<&CProbeDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        };
        return s_messageMap;
    }

    LRESULT OnProbeThrow(WPARAM wParam, LPARAM)
    {
        switch (wParam)
        {
        case THROW_BAD_ALLOC: throw std::bad_alloc();
        case THROW_FILE_ERROR:
            ThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, "C:\\temp dir\\A1.tmp.bat");
        case THROW_RUNTIME_ERROR: throw std::runtime_error("no text of its own");
        default: throw 42;
        }
    }
    LRESULT OnProbeEcho(WPARAM, LPARAM lParam) { return lParam; }
    HCURSOR OnQueryDragIcon() { return m_hDragIcon; }
};

class DialogTest : public ::testing::Test
{
protected:
    CWinApp m_app;
};
} // namespace

TEST_F(DialogTest, ErrorEscapingHandlerShowsBoxAndDialogStaysUsable)
{
    struct Case
    {
        WPARAM nThrow;
        std::string strText;
        UINT nType;
    } cases[] = {
        {THROW_BAD_ALLOC, "Out of memory.", MB_ICONEXCLAMATION | MB_SYSTEMMODAL},
        {THROW_FILE_ERROR, "Disk full while accessing C:\\temp dir\\A1.tmp.bat.", MB_ICONSTOP},
        {THROW_RUNTIME_ERROR, "Internal application error.", MB_ICONSTOP},
        {THROW_INT, "Internal application error.", MB_ICONSTOP},
    };
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    for (const Case& c : cases)
    {
        CMessageBoxRecorder boxes;
        SendMessageA(dlg.m_hWnd, WM_PROBE_THROW, c.nThrow, 0);
        ASSERT_EQ(1u, boxes.m_calls.size()) << c.strText;
        EXPECT_EQ(c.strText, boxes.m_calls[0].strText);
        EXPECT_EQ(c.nType, boxes.m_calls[0].nType) << c.strText;
        EXPECT_EQ("framework_dialog_tests", boxes.m_calls[0].strCaption);
        EXPECT_EQ(dlg.m_hWnd, boxes.m_calls[0].hOwner);
        EXPECT_EQ(5, SendMessageA(dlg.m_hWnd, WM_PROBE_ECHO, 0, 5)) << c.strText;
    }
}

TEST_F(DialogTest, HandlerResultsKeepTheirFullWidth)
{
    CProbeDlg dlg;
    dlg.m_hDragIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    ASSERT_NE(nullptr, dlg.m_hDragIcon);
    ASSERT_TRUE(dlg.Create());
    // High bits that a cut to 32 bits and a sign extension would not give back.
    const LPARAM wide =
        static_cast<LPARAM>((static_cast<ULONG_PTR>(0x1234) << (8 * sizeof(LPARAM) - 16)) | 0x89ABCDEFu);
    EXPECT_EQ(wide, SendMessageA(dlg.m_hWnd, WM_PROBE_ECHO, 0, wide));
    // Answered by the dialog procedure's return value, not DWLP_MSGRESULT.
    EXPECT_EQ(reinterpret_cast<LRESULT>(dlg.m_hDragIcon), SendMessageA(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0));
}

TEST_F(DialogTest, ModalDialogEndsByEnterOrEscape)
{
    struct Case
    {
        UINT nKey;
        INT_PTR nResult;
    } cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
    for (const Case& c : cases)
    {
        HWND hSeen = nullptr;
        CDialogWatcher watcher([&](HWND hDlg) {
            hSeen = hDlg;
            PostKey(GetDlgItem(hDlg, IDOK), c.nKey);
        });
        CProbeDlg dlg;
        EXPECT_EQ(c.nResult, dlg.DoModal()) << c.nKey;
        EXPECT_NE(nullptr, hSeen);
        EXPECT_FALSE(IsWindow(hSeen));
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
}

TEST_F(DialogTest, MessageBoxIsCaptionedWithTheExecutableName)
{
    CMessageBoxRecorder boxes;
    AfxMessageBox(IDS_SOCKETS_INIT_FAILED, MB_OK | MB_ICONEXCLAMATION);
    ASSERT_EQ(1u, boxes.m_calls.size());
    EXPECT_EQ("Windows sockets initialization failed.", boxes.m_calls[0].strText);
    EXPECT_EQ("framework_dialog_tests", boxes.m_calls[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.m_calls[0].nType);
}
