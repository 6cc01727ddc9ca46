// Base of every window object: it holds the window's handle and nothing else
// that a caller must manage.
#pragma once

#include <windows.h>

#include <cassert>
#include <string>

// Messages and window data carry handles and pointers as integers of full
// width; this turns such an integer back into its handle or pointer.
template <class T>
T FromLongPtr(LONG_PTR value) noexcept
{
    return reinterpret_cast<T>(value); // NOLINT(performance-no-int-to-ptr)
}

class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    LRESULT SendMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        assert(::IsWindow(m_hWnd));
        return ::SendMessageA(m_hWnd, nMessage, wParam, lParam);
    }

    void SetWindowText(const std::string& strText)
    {
        SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.c_str()));
    }
    std::string GetWindowText() const;

    HWND GetDlgItem(int nID) const
    {
        assert(::IsWindow(m_hWnd));
        return ::GetDlgItem(m_hWnd, nID);
    }

    RECT GetClientRect() const
    {
        assert(::IsWindow(m_hWnd));
        RECT rc = {};
        ::GetClientRect(m_hWnd, &rc);
        return rc;
    }

    // Removes, then adds style bits (GWL_STYLE).
    void ModifyStyle(DWORD dwRemove, DWORD dwAdd)
    {
        assert(::IsWindow(m_hWnd));
        const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE,
                            (style & ~static_cast<LONG_PTR>(dwRemove)) | static_cast<LONG_PTR>(dwAdd));
    }

    HWND m_hWnd = nullptr;
};

// Painting of one WM_PAINT: BeginPaint on construction, EndPaint when it goes.
class CPaintDC
{
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
    HDC m_hDC;
};
