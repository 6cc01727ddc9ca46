// Wrappers of the common controls the dialogs use. Each holds only the
// control's window handle, bound by DDX_Control; each method is one message.
#pragma once

#include "framework/Wnd.h"

#include <commctrl.h>

#include <string>

class CEdit : public CWnd
{
};

class CButton : public CWnd
{
};

// Under Wine the control's window text is only a caption that its four
// fields never show, so the address goes in and out as a number.
class CIPAddressCtrl : public CWnd
{
public:
    void SetAddress(DWORD dwAddress) { SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(dwAddress)); }
    // The number of fields that are not blank; a blank field reads as 0.
    int GetAddress(DWORD& dwAddress) const
    {
        dwAddress = 0;
        return static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress)));
    }
    BOOL IsBlank() const { return static_cast<BOOL>(SendMessage(IPM_ISBLANK)); }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }

    // Dotted text in and out; text that is no dotted IPv4 address leaves the
    // control blank.
    void SetAddressText(const std::string& strAddress);
    std::string GetAddressText() const;
};

class CHeaderCtrl : public CWnd
{
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
};

class CListCtrl : public CWnd
{
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int InsertItem(const LVITEMA& item)
    {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL SetItem(const LVITEMA& item)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL GetItem(LVITEMA& item) const
    {
        return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    std::string GetItemText(int nItem, int nSubItem) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK));
    }

    int InsertColumn(int nCol, const char* pszHeading, int nFormat, int nWidth, int nSubItem);
    int GetColumnWidth(int nCol) const
    {
        return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
    }
    BOOL SetColumnWidth(int nCol, int nWidth)
    {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(nWidth, 0)));
    }
    HWND GetHeaderCtrl() const { return FromLongPtr<HWND>(SendMessage(LVM_GETHEADER)); }

    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return FromLongPtr<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(hImageList)));
    }
    HIMAGELIST GetImageList(int nImageListType) const
    {
        return FromLongPtr<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(nImageListType)));
    }

    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    DWORD SetExtendedStyle(DWORD dwExStyle)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwExStyle)));
    }
};
