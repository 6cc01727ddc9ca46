#include "ResizeTestWindows.h"

#include "resource.h"

#include <initializer_list>
#include <stdexcept>

namespace
{
const char TEST_PARENT_CLASS[] = "CelvaneResizeTestParent";

LRESULT CALLBACK ParentProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC hDC = BeginPaint(hWnd, &ps);
        HBRUSH hBrush = CreateSolidBrush(RESIZETEST_RED);
        RECT rc;
        GetClientRect(hWnd, &rc);
        FillRect(hDC, &rc, hBrush);
        DeleteObject(hBrush);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_NCLBUTTONDOWN:
        // The system's own sizing loop would wait for real mouse input; this
        // parent leaves a press on its border to whoever subclasses it.
        return 0;
    case WM_DESTROY:
    {
        CDestroyRecord& record = LastDestroyRecord();
        record.bSeen = true;
        record.hProperty = GetPropA(hWnd, "___CResizeCtrl___Class___");
        record.nWndProc = GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
        record.dwStyle = static_cast<DWORD>(GetWindowLongA(hWnd, GWL_STYLE));
        GetWindowRect(hWnd, &record.rcWindow);
        break;
    }
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void RegisterParentClass()
{
    static const bool s_bRegistered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = TEST_PARENT_CLASS;
        return RegisterClassA(&wc) != 0;
    }();
    if (!s_bRegistered)
        throw std::runtime_error("cannot register the test parent class");
}

// A DLGTEMPLATE with its items, as the dialog manager reads it from memory.
class CDialogTemplate
{
public:
    CDialogTemplate(DWORD dwStyle, short cx, short cy)
    {
        AddDword(dwStyle);
        AddDword(0);   // extended style
        m_words.push_back(0); // item count, set by AddItem
        AddShorts({0, 0, cx, cy});
        m_words.push_back(0); // no menu
        m_words.push_back(0); // the dialog class
        AddText(L"Resize test");
    }

    void AddItem(WORD wClassAtom, int nID, DWORD dwStyle, short x, short y, short cx, short cy)
    {
        while (m_words.size() % 2 != 0)
            m_words.push_back(0);
        AddDword(dwStyle | WS_CHILD | WS_VISIBLE);
        AddDword(0);
        AddShorts({x, y, cx, cy});
        m_words.push_back(static_cast<WORD>(nID));
        m_words.push_back(0xFFFF);
        m_words.push_back(wClassAtom);
        AddText(L"");
        m_words.push_back(0); // no creation data
        ++m_words[4];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddDword(DWORD dw)
    {
        m_words.push_back(LOWORD(dw));
        m_words.push_back(HIWORD(dw));
    }
    void AddShorts(std::initializer_list<short> values)
    {
        for (short n : values)
            m_words.push_back(static_cast<WORD>(n));
    }
    void AddText(const wchar_t* pszText)
    {
        do
            m_words.push_back(static_cast<WORD>(*pszText));
        while (*pszText++ != L'\0');
    }

    std::vector<WORD> m_words;
};

INT_PTR CALLBACK DialogProc(HWND, UINT uMsg, WPARAM, LPARAM)
{
    return uMsg == WM_INITDIALOG;
}
} // namespace

CDestroyRecord& LastDestroyRecord()
{
    static CDestroyRecord s_record;
    return s_record;
}

LONG_PTR TestParentWndProc()
{
    return reinterpret_cast<LONG_PTR>(&ParentProc);
}

HWND CreateTestParent(DWORD dwStyle, int x, int y, int cx, int cy)
{
    RegisterParentClass();
    HWND hWnd = CreateWindowExA(0, TEST_PARENT_CLASS, "Resize test", dwStyle, x, y, cx, cy, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr)
        throw std::runtime_error("cannot create the test parent: " + std::to_string(GetLastError()));
    return hWnd;
}

HWND CreateTestChild(HWND hWndParent, int nID, int x, int y, int cx, int cy)
{
    HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hWndParent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr)
        throw std::runtime_error("cannot create a test control: " + std::to_string(GetLastError()));
    return hWnd;
}

HWND CreateConfigLikeDialog()
{
    const WORD BUTTON = 0x0080;
    const WORD EDIT = 0x0081;
    const WORD STATIC = 0x0082;
    const WORD LISTBOX = 0x0083;
    CDialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 320, 200);
    dialog.AddItem(STATIC, -1, SS_LEFT, 7, 8, 50, 8);
    dialog.AddItem(EDIT, IDC_SHORT_NAME, WS_BORDER | ES_AUTOHSCROLL, 59, 7, 185, 12);
    dialog.AddItem(EDIT, IDC_FULL_NAME, WS_BORDER | ES_AUTOHSCROLL, 59, 21, 185, 12);
    // No integral height: a list box would otherwise trim its own height.
    dialog.AddItem(LISTBOX, IDC_LOG_LIST, WS_BORDER | LBS_NOINTEGRALHEIGHT, 7, 52, 306, 141);
    dialog.AddItem(BUTTON, IDC_CONFIGURE, BS_DEFPUSHBUTTON, 263, 7, 50, 14);
    dialog.AddItem(BUTTON, IDCANCEL, BS_PUSHBUTTON, 263, 24, 50, 14);
    HWND hWnd = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), nullptr, DialogProc, 0);
    if (hWnd == nullptr)
        throw std::runtime_error("cannot create the test dialog: " + std::to_string(GetLastError()));
    return hWnd;
}

RECT ControlRect(HWND hWndControl)
{
    RECT rc = {};
    GetWindowRect(hWndControl, &rc);
    MapWindowPoints(nullptr, GetParent(hWndControl), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

RECT ClientOnScreen(HWND hWnd)
{
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

SIZE WindowSize(HWND hWnd)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

SIZE ClientSize(HWND hWnd)
{
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    return {rc.right, rc.bottom};
}

std::string RectText(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}
