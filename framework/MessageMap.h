// A window's message map: a table from message, or from control id and
// notification code, to a named member handler. Each row is one line:
//
//     MapMessage<&CMyDlg::OnSize>(WM_SIZE),
//     MapCommand<&CMyDlg::OnApply>(IDC_APPLY, BN_CLICKED),
//
// The handler's signature says how the message's parameters are unpacked.
#pragma once

#include "framework/Wnd.h"

#include <cstddef>

struct CMessageEntry
{
    UINT nMessage;
    UINT nID;   // WM_COMMAND rows: the control id
    UINT nCode; // WM_COMMAND rows: the notification code
    LRESULT (*pfnCall)(CWnd& wnd, WPARAM wParam, LPARAM lParam);
};

class CMessageMap
{
public:
    constexpr CMessageMap() = default;
    template <size_t N>
    constexpr CMessageMap(const CMessageEntry (&entries)[N]) : m_pEntries(entries), m_nCount(N)
    {
    }

    // The row for the message, or null.
    const CMessageEntry* Find(UINT nMessage, WPARAM wParam) const
    {
        for (size_t i = 0; i < m_nCount; ++i)
        {
            const CMessageEntry& entry = m_pEntries[i];
            if (entry.nMessage != nMessage)
                continue;
            if (nMessage != WM_COMMAND || (entry.nID == LOWORD(wParam) && entry.nCode == HIWORD(wParam)))
                return &entry;
        }
        return nullptr;
    }

private:
    const CMessageEntry* m_pEntries = nullptr;
    size_t m_nCount = 0;
};

namespace MessageMapDetail
{
template <class M>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)>
{
    using type = C;
};

// The handler forms, each with its unpacking of wParam and lParam.
template <class T>
LRESULT Call(T& wnd, void (T::*pfn)(), WPARAM, LPARAM)
{
    (wnd.*pfn)();
    return 0;
}
template <class T>
LRESULT Call(T& wnd, LRESULT (T::*pfn)(WPARAM, LPARAM), WPARAM wParam, LPARAM lParam)
{
    return (wnd.*pfn)(wParam, lParam);
}
// WM_SYSCOMMAND: the command and the cursor position.
template <class T>
LRESULT Call(T& wnd, void (T::*pfn)(UINT, LPARAM), WPARAM wParam, LPARAM lParam)
{
    (wnd.*pfn)(static_cast<UINT>(wParam), lParam);
    return 0;
}
// WM_SIZE: the kind of change and the new client width and height.
template <class T>
LRESULT Call(T& wnd, void (T::*pfn)(UINT, int, int), WPARAM wParam, LPARAM lParam)
{
    (wnd.*pfn)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
// Messages answered with a handle, such as WM_QUERYDRAGICON.
template <class T, class H>
LRESULT Call(T& wnd, H* (T::*pfn)(), WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>((wnd.*pfn)());
}

template <auto pfn>
LRESULT Thunk(CWnd& wnd, WPARAM wParam, LPARAM lParam)
{
    using T = typename MemberClass<decltype(pfn)>::type;
    return Call(static_cast<T&>(wnd), pfn, wParam, lParam);
}
} // namespace MessageMapDetail

template <auto pfn>
constexpr CMessageEntry MapMessage(UINT nMessage)
{
    return {nMessage, 0, 0, &MessageMapDetail::Thunk<pfn>};
}

template <auto pfn>
constexpr CMessageEntry MapCommand(UINT nID, UINT nCode)
{
    return {WM_COMMAND, nID, nCode, &MessageMapDetail::Thunk<pfn>};
}
