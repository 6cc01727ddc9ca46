// Owner of an image list: created once, destroyed with the object.
#pragma once

#include <windows.h>
#include <commctrl.h>

class CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // FALSE when the list exists already or the system refuses.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The index of the first image added from the bitmap, or -1.
    int Add(HBITMAP hBitmap, COLORREF crMask);
    int GetImageCount() const;

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

private:
    HIMAGELIST m_hImageList = nullptr;
};
