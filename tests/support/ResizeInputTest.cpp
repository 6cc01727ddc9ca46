#include "support/ResizeCtrl.h"

#include "ResizeTestWindows.h"

#include <gtest/gtest.h>

namespace
{
const DWORD FIXED_FRAME = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT HitTest(HWND hWnd, int x, int y)
{
    return SendMessageA(hWnd, WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

RECT WindowRectOf(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

// The pixel at a client point as the screen shows it.
COLORREF ClientPixel(HWND hWnd, int x, int y)
{
    HDC hDC = GetDC(hWnd);
    const COLORREF color = GetPixel(hDC, x, y);
    ReleaseDC(hWnd, hDC);
    return color;
}
} // namespace

TEST(ResizeCtrlGrip, HitTest_BottomRightSquareReportsSizing_AlsoAtNegativeScreenCoordinates)
{
    const POINT origins[] = {{-500, -400}, {100, 100}, {-350, 60}};
    const int cxGrip = GetSystemMetrics(SM_CXVSCROLL);
    const int cyGrip = GetSystemMetrics(SM_CYHSCROLL);
    for (const POINT& origin : origins)
    {
        const std::string where = "window at " + std::to_string(origin.x) + "," + std::to_string(origin.y);
        CTestWindow parent(CreateTestParent(FIXED_FRAME, origin.x, origin.y, 300, 200));
        CResizeCtrl resize;
        ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
        resize.SetGripEnabled(TRUE);
        const RECT rc = ClientOnScreen(parent);
        if (origin.x < 0 && origin.y < 0)
        {
            ASSERT_LT(rc.bottom, 0) << where; // every point below is negative
        }

        EXPECT_EQ(HTBOTTOMRIGHT, HitTest(parent, rc.right - 1, rc.bottom - 1)) << where;
        EXPECT_EQ(HTBOTTOMRIGHT, HitTest(parent, rc.right - cxGrip, rc.bottom - cyGrip)) << where;
        EXPECT_EQ(HTCLIENT, HitTest(parent, rc.right - cxGrip - 1, rc.bottom - 1)) << where;
        EXPECT_EQ(HTCLIENT, HitTest(parent, rc.right - 1, rc.bottom - cyGrip - 1)) << where;
        EXPECT_EQ(HTCLIENT, HitTest(parent, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2)) << where;

        // The grip follows the corner when the window grows.
        SetWindowPos(parent, nullptr, 0, 0, 340, 230, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT grown = ClientOnScreen(parent);
        EXPECT_EQ(HTBOTTOMRIGHT, HitTest(parent, grown.right - 1, grown.bottom - 1)) << where;
        EXPECT_EQ(HTCLIENT, HitTest(parent, rc.right - 1, rc.bottom - 1)) << where;

        resize.SetGripEnabled(FALSE);
        EXPECT_EQ(HTCLIENT, HitTest(parent, grown.right - 1, grown.bottom - 1)) << where;
    }
}

TEST(ResizeCtrlGrip, PaintedOverTheParentsPainting_CornerRepaintedWhenSwitchedOff)
{
    // Shown after the setup, as a dialog is after its initialisation.
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    resize.SetGripEnabled(TRUE);
    ShowWindow(parent, SW_SHOWNOACTIVATE);
    UpdateWindow(parent);
    const SIZE client = ClientSize(parent);
    const int cxGrip = GetSystemMetrics(SM_CXVSCROLL);
    const int cyGrip = GetSystemMetrics(SM_CYHSCROLL);
    ASSERT_EQ(RESIZETEST_RED, ClientPixel(parent, 5, 5)); // the parent painted itself
    EXPECT_NE(RESIZETEST_RED, ClientPixel(parent, client.cx - 1, client.cy - 1));
    EXPECT_NE(RESIZETEST_RED, ClientPixel(parent, client.cx - cxGrip, client.cy - cyGrip));
    EXPECT_EQ(RESIZETEST_RED, ClientPixel(parent, client.cx - cxGrip - 1, client.cy - 1));

    resize.SetGripEnabled(FALSE);
    RECT rcUpdate = {};
    ASSERT_TRUE(GetUpdateRect(parent, &rcUpdate, FALSE));
    const RECT rcGrip = {client.cx - cxGrip, client.cy - cyGrip, client.cx, client.cy};
    EXPECT_TRUE(EqualRect(&rcGrip, &rcUpdate)) << RectText(rcUpdate);
    UpdateWindow(parent);
    EXPECT_EQ(RESIZETEST_RED, ClientPixel(parent, client.cx - 1, client.cy - 1));
}

TEST(ResizeCtrlDrag, PressOnBorder_EdgesFollowCursorUntilButtonUp)
{
    struct Case
    {
        UINT nHitTest;
        int dLeft, dTop, dRight, dBottom; // which edges follow the cursor
    } const cases[] = {
        {HTLEFT, 1, 0, 0, 0},        {HTRIGHT, 0, 0, 1, 0},      {HTTOP, 0, 1, 0, 0},
        {HTTOPLEFT, 1, 1, 0, 0},     {HTTOPRIGHT, 0, 1, 1, 0},   {HTBOTTOM, 0, 0, 0, 1},
        {HTBOTTOMLEFT, 1, 0, 0, 1},  {HTBOTTOMRIGHT, 0, 0, 1, 1}, {HTCAPTION, 0, 0, 0, 0},
        {HTCLIENT, 0, 0, 0, 0},
    };
    const int dx = 20;
    const int dy = 15;
    for (const Case& c : cases)
    {
        const std::string what = "hit-test code " + std::to_string(c.nHitTest);
        const bool bDrag = c.dLeft + c.dTop + c.dRight + c.dBottom != 0;
        CTestWindow parent(CreateTestParent(FIXED_FRAME, 200, 150, 300, 200));
        CResizeCtrl resize;
        ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
        const RECT before = WindowRectOf(parent);
        const POINT press = {(before.left + before.right) / 2, (before.top + before.bottom) / 2};
        ASSERT_TRUE(SetCursorPos(press.x, press.y));
        SendMessageA(parent, WM_NCLBUTTONDOWN, c.nHitTest, MAKELPARAM(press.x, press.y));
        EXPECT_EQ(bDrag ? parent.Get() : nullptr, GetCapture()) << what;

        ASSERT_TRUE(SetCursorPos(press.x + dx, press.y + dy));
        SendMessageA(parent, WM_MOUSEMOVE, 0, 0);
        RECT expected = before;
        expected.left += c.dLeft * dx;
        expected.top += c.dTop * dy;
        expected.right += c.dRight * dx;
        expected.bottom += c.dBottom * dy;
        const RECT moved = WindowRectOf(parent);
        EXPECT_TRUE(EqualRect(&expected, &moved)) << what << ": " << RectText(moved);

        SendMessageA(parent, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(nullptr, GetCapture()) << what;
        ASSERT_TRUE(SetCursorPos(press.x + 2 * dx, press.y + 2 * dy));
        SendMessageA(parent, WM_MOUSEMOVE, 0, 0);
        const RECT after = WindowRectOf(parent);
        EXPECT_TRUE(EqualRect(&moved, &after)) << what << " after the button-up: " << RectText(after);
    }
}

TEST(ResizeCtrlDrag, CaptureTakenAway_EndsTheDrag)
{
    // What the system's own sizing loop does to a press it takes over: it
    // captures the mouse and releases it when its loop ends.
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 200, 150, 300, 200));
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    const RECT before = WindowRectOf(parent);
    ASSERT_TRUE(SetCursorPos(before.right, 250));
    SendMessageA(parent, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(before.right, 250));
    ASSERT_EQ(parent.Get(), GetCapture());
    SetCapture(parent); // captured again by the same window: the drag goes on
    ASSERT_TRUE(SetCursorPos(before.right + 10, 250));
    SendMessageA(parent, WM_MOUSEMOVE, 0, 0);
    ASSERT_EQ(before.right + 10, WindowRectOf(parent).right);

    ReleaseCapture();
    ASSERT_TRUE(SetCursorPos(before.right + 40, 250));
    SendMessageA(parent, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(before.right + 10, WindowRectOf(parent).right);
}

TEST(ResizeCtrlDrag, ParentWithItsOwnSizingBorder_LeftToTheSystem)
{
    CTestWindow parent(CreateTestParent(WS_OVERLAPPEDWINDOW, 200, 150, 300, 200));
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    const RECT before = WindowRectOf(parent);
    ASSERT_TRUE(SetCursorPos(before.right, 250));
    SendMessageA(parent, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(before.right, 250));
    EXPECT_EQ(nullptr, GetCapture());
    ASSERT_TRUE(SetCursorPos(before.right + 10, 250));
    SendMessageA(parent, WM_MOUSEMOVE, 0, 0);
    const RECT after = WindowRectOf(parent);
    EXPECT_TRUE(EqualRect(&before, &after)) << RectText(after);
}
