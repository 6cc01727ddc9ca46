#include "support/ResizeCtrl.h"

#include "ResizeTestWindows.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>

namespace
{
const char PROPERTY[] = "___CResizeCtrl___Class___";
const DWORD FIXED_FRAME = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Changes the parent's window size by (dx, dy); the frame stays, so the client
// size changes by the same amounts.
void GrowWindow(HWND hWnd, int dx, int dy)
{
    const SIZE size = WindowSize(hWnd);
    SetWindowPos(hWnd, nullptr, 0, 0, size.cx + dx, size.cy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Offset(RECT rc, int dLeft, int dTop, int dRight, int dBottom)
{
    rc.left += dLeft;
    rc.top += dTop;
    rc.right += dRight;
    rc.bottom += dBottom;
    return rc;
}

void ExpectRect(const RECT& expected, const RECT& actual, const std::string& what)
{
    EXPECT_TRUE(EqualRect(&expected, &actual)) << what << ": expected " << RectText(expected) << ", got "
                                               << RectText(actual);
}
} // namespace

TEST(ResizeCtrlAdd, SharesAndHandles_AcceptedOrRefusedAndOnlyAcceptedOnesMove)
{
    struct Case
    {
        int nID;
        int nLeft, nTop, nWidth, nHeight;
        BOOL bExpected;
    } cases[] = {
        {100, 60, 0, 50, 0, FALSE},  // left and width together exceed the scale
        {100, 50, 0, 50, 0, TRUE},
        {100, 0, 60, 0, 50, FALSE},  // top and height together exceed the scale
        {100, 0, 50, 0, 50, TRUE},
        {100, 100, 100, 0, 0, TRUE},
        {100, 0, 0, 100, 100, TRUE},
        {100, -1, 0, 0, 0, FALSE},
        {100, 0, 0, 0, -5, FALSE},
        {100, 101, 0, 0, 0, FALSE},
        {100, 0, 0, 0, 101, FALSE},
        {999, 100, 0, 0, 0, FALSE},  // no control with this identifier
    };
    for (const Case& c : cases)
    {
        const std::string what = "Add(" + std::to_string(c.nID) + ", " + std::to_string(c.nLeft) + ", " +
                                 std::to_string(c.nTop) + ", " + std::to_string(c.nWidth) + ", " +
                                 std::to_string(c.nHeight) + ")";
        CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
        HWND hChild = CreateTestChild(parent, 100, 10, 10, 20, 20);
        CResizeCtrl resize;
        ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
        EXPECT_EQ(c.bExpected, resize.Add(static_cast<UINT>(c.nID), c.nLeft, c.nTop, c.nWidth, c.nHeight)) << what;

        const RECT before = ControlRect(hChild);
        GrowWindow(parent, 100, 50);
        const RECT expected = c.bExpected ? Offset(before, c.nLeft, c.nTop / 2, c.nLeft + c.nWidth,
                                                   (c.nTop + c.nHeight) / 2)
                                          : before;
        ExpectRect(expected, ControlRect(hChild), what);
    }
}

TEST(ResizeCtrlAdd, BeforeCreateOrWithoutWindow_RefusedAndNothingRegistered)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    HWND hChild = CreateTestChild(parent, 100, 10, 10, 20, 20);
    CResizeCtrl resize;
    EXPECT_FALSE(resize.Add(hChild, 100, 0, 0, 0));
    EXPECT_FALSE(resize.Add(100u, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    EXPECT_FALSE(resize.Add(static_cast<HWND>(nullptr), 100, 0, 0, 0));
    HWND hGone = CreateTestChild(parent, 101, 40, 10, 20, 20);
    DestroyWindow(hGone);
    EXPECT_FALSE(resize.Add(hGone, 100, 0, 0, 0));

    const RECT before = ControlRect(hChild);
    GrowWindow(parent, 40, 0);
    ExpectRect(before, ControlRect(hChild), "control refused before Create");
}

TEST(ResizeCtrlCreate, SecondCreate_ReturnsFalseAndKeepsControlsAndScale)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CTestWindow other(CreateTestParent(FIXED_FRAME, 150, 150, 300, 200));
    HWND hChild = CreateTestChild(parent, 100, 10, 10, 20, 20);
    CWnd wnd;
    wnd.m_hWnd = parent;
    CResizeCtrl resize;
    EXPECT_FALSE(resize.Create(static_cast<CWnd*>(nullptr), TRUE, 100));
    ASSERT_TRUE(resize.Create(&wnd, TRUE, 100));
    ASSERT_TRUE(resize.Add(hChild, 100, 0, 0, 0));

    EXPECT_FALSE(resize.Create(other.Get(), TRUE, 1000));
    EXPECT_FALSE(resize.Create(&wnd, TRUE, 1000));
    EXPECT_EQ(nullptr, GetPropA(other, PROPERTY));

    const RECT before = ControlRect(hChild);
    GrowWindow(parent, 40, 0);
    ExpectRect(Offset(before, 40, 0, 40, 0), ControlRect(hChild), "control after a second Create");
}

TEST(ResizeCtrlCreate, HandleThatIsNoWindow_ReturnsFalseAndLeavesObjectFree)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CWnd empty;
    CResizeCtrl resize;
    EXPECT_FALSE(resize.Create(&empty, TRUE, 100));
    EXPECT_FALSE(resize.Create(static_cast<HWND>(nullptr), TRUE, 100));
    EXPECT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    EXPECT_EQ(static_cast<HANDLE>(&resize), GetPropA(parent, PROPERTY));
}

TEST(ResizeCtrlSetEnabled, SameStateReturnsFalse_ChangeSubclassesOrReleases)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CResizeCtrl resize;
    EXPECT_FALSE(resize.SetEnabled(TRUE)); // not created: nothing to subclass
    EXPECT_EQ(TestParentWndProc(), GetWindowLongPtrA(parent, GWLP_WNDPROC));

    ASSERT_TRUE(resize.Create(parent.Get(), FALSE, 100));
    EXPECT_FALSE(resize.SetEnabled(FALSE));
    EXPECT_EQ(nullptr, GetPropA(parent, PROPERTY));

    EXPECT_TRUE(resize.SetEnabled(TRUE));
    EXPECT_EQ(static_cast<HANDLE>(&resize), GetPropA(parent, PROPERTY));
    EXPECT_NE(TestParentWndProc(), GetWindowLongPtrA(parent, GWLP_WNDPROC));
    EXPECT_FALSE(resize.SetEnabled(2)); // any non-zero value is TRUE

    EXPECT_TRUE(resize.SetEnabled(FALSE));
    EXPECT_EQ(nullptr, GetPropA(parent, PROPERTY));
    EXPECT_EQ(TestParentWndProc(), GetWindowLongPtrA(parent, GWLP_WNDPROC));
    EXPECT_FALSE(resize.SetEnabled(FALSE));
}

TEST(ResizeCtrlSizingBorder, AddedAroundFixedClientArea_RemovedOnReleaseAndDestroy)
{
    struct Case
    {
        const char* pszName;
        DWORD dwStyle;
        bool bMenu;
    } cases[] = {
        {"caption, system menu, minimise box", FIXED_FRAME, false},
        {"the same with a menu bar", FIXED_FRAME, true},
        {"thin border, no caption", WS_POPUP | WS_BORDER, false},
    };
    for (const Case& c : cases)
    {
        CTestWindow parent(CreateTestParent(c.dwStyle, 100, 100, 300, 200));
        if (c.bMenu)
        {
            HMENU hMenu = CreateMenu();
            AppendMenuA(hMenu, MF_STRING, 1, "&File");
            SetMenu(parent, hMenu); // destroyed with the window
        }
        RECT rcWindow;
        GetWindowRect(parent, &rcWindow);
        const RECT rcClient = ClientOnScreen(parent);

        CResizeCtrl resize;
        ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
        EXPECT_TRUE(GetWindowLongA(parent, GWL_STYLE) & WS_THICKFRAME) << c.pszName;
        ExpectRect(rcClient, ClientOnScreen(parent), std::string(c.pszName) + ", client with border");
        RECT rcBordered;
        GetWindowRect(parent, &rcBordered);
        EXPECT_LT(rcBordered.left, rcWindow.left) << c.pszName;
        EXPECT_GT(rcBordered.right, rcWindow.right) << c.pszName;
        EXPECT_GT(rcBordered.bottom, rcWindow.bottom) << c.pszName;

        ASSERT_TRUE(resize.SetEnabled(FALSE));
        EXPECT_FALSE(GetWindowLongA(parent, GWL_STYLE) & WS_THICKFRAME) << c.pszName;
        RECT rcReleased;
        GetWindowRect(parent, &rcReleased);
        ExpectRect(rcWindow, rcReleased, std::string(c.pszName) + ", window after release");
        ExpectRect(rcClient, ClientOnScreen(parent), std::string(c.pszName) + ", client after release");

        ASSERT_TRUE(resize.SetEnabled(TRUE));
        LastDestroyRecord() = CDestroyRecord();
        parent.Destroy();
        ASSERT_TRUE(LastDestroyRecord().bSeen) << c.pszName;
        EXPECT_FALSE(LastDestroyRecord().dwStyle & WS_THICKFRAME) << c.pszName;
        ExpectRect(rcWindow, LastDestroyRecord().rcWindow, std::string(c.pszName) + ", window at WM_DESTROY");
    }
}

TEST(ResizeCtrlSizingBorder, ParentWithItsOwn_KeepsItsFrame)
{
    CTestWindow parent(CreateTestParent(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200));
    RECT rcWindow;
    GetWindowRect(parent, &rcWindow);
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    RECT rc;
    GetWindowRect(parent, &rc);
    ExpectRect(rcWindow, rc, "window after subclassing");
    ASSERT_TRUE(resize.SetEnabled(FALSE));
    EXPECT_TRUE(GetWindowLongA(parent, GWL_STYLE) & WS_THICKFRAME);
    GetWindowRect(parent, &rc);
    ExpectRect(rcWindow, rc, "window after release");
}

TEST(ResizeCtrlLifecycle, ObjectAtHighAddress_FoundThroughPropertyAndReleasedAtDestroy)
{
    // Placed at the top of the address space, so that a pointer cut to 32 bits
    // anywhere on its way through the property would not find it again.
    void* pMemory = VirtualAlloc(nullptr, sizeof(CResizeCtrl), MEM_COMMIT | MEM_RESERVE | MEM_TOP_DOWN, PAGE_READWRITE);
    ASSERT_NE(nullptr, pMemory);
    if (sizeof(void*) == 8)
    {
        ASSERT_GT(reinterpret_cast<std::uintptr_t>(pMemory), std::uintptr_t{0xFFFFFFFFu});
    }
    CResizeCtrl* pResize = new (pMemory) CResizeCtrl;

    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    HWND hChild = CreateTestChild(parent, 100, 10, 10, 20, 20);
    RECT rcWindow;
    GetWindowRect(parent, &rcWindow);
    ASSERT_TRUE(pResize->Create(parent.Get(), TRUE, 100));
    ASSERT_TRUE(pResize->Add(100u, 0, 0, 100, 100));
    EXPECT_EQ(static_cast<HANDLE>(pResize), GetPropA(parent, PROPERTY));

    const RECT before = ControlRect(hChild);
    GrowWindow(parent, 30, 20);
    ExpectRect(Offset(before, 0, 0, 30, 20), ControlRect(hChild), "control after a resize");

    LastDestroyRecord() = CDestroyRecord();
    parent.Destroy();
    ASSERT_TRUE(LastDestroyRecord().bSeen);
    EXPECT_EQ(nullptr, LastDestroyRecord().hProperty);
    EXPECT_EQ(TestParentWndProc(), LastDestroyRecord().nWndProc);
    EXPECT_FALSE(LastDestroyRecord().dwStyle & WS_THICKFRAME);

    EXPECT_FALSE(pResize->SetEnabled(FALSE)); // already released by WM_DESTROY
    pResize->~CResizeCtrl();
    VirtualFree(pMemory, 0, MEM_RELEASE);
}

TEST(ResizeCtrlLayout, RealResize_ControlsFollowTheirShares)
{
    CTestWindow dialog(CreateConfigLikeDialog());
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(dialog.Get(), FALSE, 100));
    ASSERT_TRUE(resize.SetEnabled(TRUE));
    resize.SetGripEnabled(TRUE);
    ASSERT_TRUE(resize.Add(IDC_LOG_LIST, 0, 0, 100, 100));
    ASSERT_TRUE(resize.Add(IDC_CONFIGURE, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Add(IDCANCEL, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Add(IDC_FULL_NAME, 0, 0, 100, 0));
    ASSERT_TRUE(resize.SetMinimumTrackingSize());

    struct Expected
    {
        int nID;
        int dLeft, dTop, dRight, dBottom; // in units of the size change
    } const expected[] = {
        {IDC_LOG_LIST, 0, 0, 1, 1},
        {IDC_CONFIGURE, 1, 0, 1, 0},
        {IDCANCEL, 1, 0, 1, 0},
        {IDC_FULL_NAME, 0, 0, 1, 0},
        {IDC_SHORT_NAME, 0, 0, 0, 0},
    };
    struct Change
    {
        int dx, dy;
    } const changes[] = {{40, 30}, {-15, -10}, {7, 0}};
    for (const Change& change : changes)
    {
        RECT before[5];
        for (int i = 0; i < 5; ++i)
            before[i] = ControlRect(GetDlgItem(dialog, expected[i].nID));
        const SIZE clientBefore = ClientSize(dialog);
        GrowWindow(dialog, change.dx, change.dy);
        const SIZE clientAfter = ClientSize(dialog);
        ASSERT_EQ(clientBefore.cx + change.dx, clientAfter.cx);
        ASSERT_EQ(clientBefore.cy + change.dy, clientAfter.cy);
        for (int i = 0; i < 5; ++i)
        {
            const Expected& e = expected[i];
            ExpectRect(Offset(before[i], e.dLeft * change.dx, e.dTop * change.dy, e.dRight * change.dx,
                              e.dBottom * change.dy),
                       ControlRect(GetDlgItem(dialog, e.nID)),
                       "control " + std::to_string(e.nID) + " after " + std::to_string(change.dx) + "x" +
                           std::to_string(change.dy));
        }
    }
}

TEST(ResizeCtrlLayout, MinimiseAndRestore_PutsEveryControlBackExactly)
{
    CTestWindow dialog(CreateConfigLikeDialog());
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(dialog.Get(), TRUE, 100));
    ASSERT_TRUE(resize.Add(IDC_LOG_LIST, 0, 0, 100, 100));
    ASSERT_TRUE(resize.Add(IDC_CONFIGURE, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Add(IDCANCEL, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Add(IDC_FULL_NAME, 0, 0, 100, 0));
    ASSERT_TRUE(resize.Add(IDC_SHORT_NAME, 33, 50, 33, 50)); // shares that leave remainders
    const int ids[] = {IDC_LOG_LIST, IDC_CONFIGURE, IDCANCEL, IDC_FULL_NAME, IDC_SHORT_NAME};
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    RECT before[5];
    for (int i = 0; i < 5; ++i)
        before[i] = ControlRect(GetDlgItem(dialog, ids[i]));

    ShowWindow(dialog, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(dialog));
    ASSERT_EQ(0, ClientSize(dialog).cx);
    const RECT rcList = ControlRect(GetDlgItem(dialog, IDC_LOG_LIST));
    EXPECT_EQ(0, rcList.right - rcList.left);
    EXPECT_EQ(0, rcList.bottom - rcList.top);
    EXPECT_LT(ControlRect(GetDlgItem(dialog, IDC_CONFIGURE)).left, 0); // coordinates are not clamped

    ShowWindow(dialog, SW_RESTORE);
    ASSERT_FALSE(IsIconic(dialog));
    for (int i = 0; i < 5; ++i)
        ExpectRect(before[i], ControlRect(GetDlgItem(dialog, ids[i])), "control " + std::to_string(ids[i]));
}

TEST(ResizeCtrlLayout, ChangeBeforeAnyControl_DoesNotMoveTheReferenceSize)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    HWND hChild = CreateTestChild(parent, 100, 10, 10, 20, 20);
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    GrowWindow(parent, 20, 0);
    ASSERT_TRUE(resize.Add(hChild, 100, 0, 0, 0));
    const RECT before = ControlRect(hChild);
    GrowWindow(parent, 10, 0);
    ExpectRect(Offset(before, 30, 0, 30, 0), ControlRect(hChild), "control measured from SetEnabled(TRUE)");
}

TEST(ResizeCtrlLayout, DestroyedControl_OthersStillFollow)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    HWND hGone = CreateTestChild(parent, 100, 10, 10, 20, 20);
    HWND hChild = CreateTestChild(parent, 101, 10, 40, 20, 20);
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    ASSERT_TRUE(resize.Add(hGone, 100, 0, 0, 0));
    ASSERT_TRUE(resize.Add(hChild, 100, 0, 0, 0));
    DestroyWindow(hGone);
    const RECT before = ControlRect(hChild);
    GrowWindow(parent, 25, 0);
    ExpectRect(Offset(before, 25, 0, 25, 0), ControlRect(hChild), "control behind a destroyed one");
}

TEST(ResizeCtrlTracking, MinimumLimitsRealResize_MaximumStaysTheSystemsFirst)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    ASSERT_TRUE(resize.SetMinimumTrackingSize());
    const SIZE minimum = WindowSize(parent);

    SetWindowPos(parent, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(minimum.cx, WindowSize(parent).cx);
    EXPECT_EQ(minimum.cy, WindowSize(parent).cy);

    // A later query with other system values gets the stored ones.
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = {5000, 4000};
    SendMessageA(parent, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(minimum.cx, info.ptMinTrackSize.x);
    EXPECT_EQ(minimum.cy, info.ptMinTrackSize.y);
    EXPECT_EQ(GetSystemMetrics(SM_CXMAXTRACK), info.ptMaxTrackSize.x);
    EXPECT_EQ(GetSystemMetrics(SM_CYMAXTRACK), info.ptMaxTrackSize.y);

    ASSERT_TRUE(resize.SetMinimumTrackingSize(SIZE{400, 300}));
    SetWindowPos(parent, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(400, WindowSize(parent).cx);
    EXPECT_EQ(300, WindowSize(parent).cy);
}

TEST(ResizeCtrlTracking, WithoutMinimum_SystemValuesApply)
{
    CTestWindow parent(CreateTestParent(FIXED_FRAME, 100, 100, 300, 200));
    CResizeCtrl resize;
    ASSERT_TRUE(resize.Create(parent.Get(), TRUE, 100));
    MINMAXINFO info = {};
    info.ptMinTrackSize = {120, 90};
    info.ptMaxTrackSize = {900, 700};
    SendMessageA(parent, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(120, info.ptMinTrackSize.x);
    EXPECT_EQ(90, info.ptMinTrackSize.y);
    EXPECT_EQ(900, info.ptMaxTrackSize.x);
    EXPECT_EQ(700, info.ptMaxTrackSize.y);
}
