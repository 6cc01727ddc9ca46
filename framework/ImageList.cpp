#include "framework/ImageList.h"

CImageList::~CImageList()
{
    if (m_hImageList != nullptr)
        ImageList_Destroy(m_hImageList);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    if (m_hImageList != nullptr)
        return FALSE;
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

int CImageList::Add(HBITMAP hBitmap, COLORREF crMask)
{
    return m_hImageList != nullptr ? ImageList_AddMasked(m_hImageList, hBitmap, crMask) : -1;
}

int CImageList::GetImageCount() const
{
    return m_hImageList != nullptr ? ImageList_GetImageCount(m_hImageList) : 0;
}
