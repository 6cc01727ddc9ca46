#include "framework/Controls.h"

#include "framework/IPAddressLogic.h"

void CIPAddressCtrl::SetAddressText(const std::string& strAddress)
{
    std::uint32_t nAddress = 0;
    if (ParseIPv4(strAddress, nAddress))
        SetAddress(nAddress);
    else
        ClearAddress();
}

std::string CIPAddressCtrl::GetAddressText() const
{
    DWORD dwAddress = 0;
    GetAddress(dwAddress);
    return FormatIPv4(dwAddress);
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    std::string strText(256, '\0');
    for (;;)
    {
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.pszText = &strText[0];
        item.cchTextMax = static_cast<int>(strText.size());
        const int nCopied = static_cast<int>(
            SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        // A copy that fills the buffer may have been cut short.
        if (nCopied < static_cast<int>(strText.size()) - 1)
        {
            strText.resize(static_cast<size_t>(nCopied < 0 ? 0 : nCopied));
            return strText;
        }
        strText.resize(strText.size() * 2);
    }
}

int CListCtrl::InsertColumn(int nCol, const char* pszHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<char*>(pszHeading);
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&column)));
}
