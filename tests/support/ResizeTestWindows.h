// Real windows for the resize layout tests: a plain parent that paints itself
// red and reports what it sees at WM_DESTROY, and a dialog built in memory
// like the main dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

const COLORREF RESIZETEST_RED = RGB(255, 0, 0);

// What the parent's own procedure saw when WM_DESTROY reached it.
struct CDestroyRecord
{
    bool bSeen = false;
    HANDLE hProperty = nullptr;
    LONG_PTR nWndProc = 0;
    DWORD dwStyle = 0;
    RECT rcWindow = {};
};
CDestroyRecord& LastDestroyRecord();

// The procedure of the test parent's class, as it was before any subclassing.
LONG_PTR TestParentWndProc();

// Owns a window and destroys it when the test ends, failed or not.
class CTestWindow
{
public:
    explicit CTestWindow(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
    ~CTestWindow() { Destroy(); }
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    HWND Get() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    void Destroy()
    {
        if (m_hWnd != nullptr && IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }

private:
    HWND m_hWnd;
};

// A top-level parent of the test class (hidden unless style holds WS_VISIBLE).
HWND CreateTestParent(DWORD dwStyle, int x, int y, int cx, int cy);
// A child static control of parent.
HWND CreateTestChild(HWND hWndParent, int nID, int x, int y, int cx, int cy);

// A hidden modeless dialog laid out like the main dialog: IDC_SHORT_NAME,
// IDC_FULL_NAME, IDC_LOG_LIST, IDC_CONFIGURE and IDCANCEL, with a caption, a
// system menu and a minimise box but no sizing border.
HWND CreateConfigLikeDialog();

// A control's window rectangle in its parent's client coordinates.
RECT ControlRect(HWND hWndControl);
// A window's client rectangle in screen coordinates.
RECT ClientOnScreen(HWND hWnd);
SIZE WindowSize(HWND hWnd);
SIZE ClientSize(HWND hWnd);

std::string RectText(const RECT& rc);
