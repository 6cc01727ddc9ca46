#include "framework/Wnd.h"

std::string CWnd::GetWindowText() const
{
    // The length is an upper bound: with double-byte text it may count more
    // than the copy then delivers.
    const int nLength = static_cast<int>(SendMessage(WM_GETTEXTLENGTH));
    std::string strText(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = static_cast<int>(
        SendMessage(WM_GETTEXT, static_cast<WPARAM>(strText.size()), reinterpret_cast<LPARAM>(&strText[0])));
    strText.resize(static_cast<size_t>(nCopied < 0 ? 0 : nCopied));
    return strText;
}
