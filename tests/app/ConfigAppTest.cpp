#include "app/ConfigApp.h"

#include "app/DialogDriver.h"
#include "framework/Sockets.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{
int WSAAPI RefusingStartup(WORD, LPWSADATA)
{
    return WSAVERNOTSUPPORTED;
}
} // namespace

TEST(ConfigApp, StartRunsTheMainDialogModallyUntilExitEscOrTheCloseBox)
{
    struct Case
    {
        const char* pszWay;
        std::function<void(HWND)> fnEnd;
    } cases[] = {
        {"E&xit", [](HWND hDlg) { PostMessageA(GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0); }},
        {"Esc", [](HWND hDlg) { PostKey(GetDlgItem(hDlg, IDC_FULL_NAME), VK_ESCAPE); }},
        {"close box", [](HWND hDlg) { PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Case& c : cases)
    {
        CConfigApp app;
        HWND hDialog = nullptr;
        HWND hMainWhileOpen = nullptr;
        std::string strCaption;
        {
            CDialogWatcher watcher([&](HWND hDlg) {
                hDialog = hDlg;
                hMainWhileOpen = AfxGetMainWndHandle();
                strCaption = TextOf(hDlg);
                c.fnEnd(hDlg);
            });
            EXPECT_FALSE(app.InitInstance()) << c.pszWay;
        }
        EXPECT_EQ("Trevolt Configuration", strCaption) << c.pszWay;
        EXPECT_EQ(hDialog, hMainWhileOpen) << c.pszWay;
        EXPECT_FALSE(IsWindow(hDialog)) << c.pszWay;
        EXPECT_EQ(nullptr, AfxGetMainWndHandle()) << c.pszWay;
    }
}

TEST(ConfigApp, SocketsThatCannotStartShowOnlyTheirMessageBox)
{
    CConfigApp app;
    bool bDialogSeen = false;
    CMessageBoxRecorder boxes;
    const SocketStartupFunc pfnPrevious = AfxSetSocketStartupFunc(&RefusingStartup);
    BOOL bResult = TRUE;
    {
        CDialogWatcher watcher([&](HWND) { bDialogSeen = true; });
        bResult = app.InitInstance();
    }
    AfxSetSocketStartupFunc(pfnPrevious);

    EXPECT_FALSE(bResult);
    EXPECT_FALSE(bDialogSeen);
    ASSERT_EQ(1u, boxes.m_calls.size());
    EXPECT_EQ("Windows sockets initialization failed.", boxes.m_calls[0].strText);
    EXPECT_EQ("app_dialog_tests", boxes.m_calls[0].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), boxes.m_calls[0].nType);
}
