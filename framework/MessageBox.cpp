#include "framework/MessageBox.h"

#include "framework/App.h"
#include "framework/FileException.h"

#include <new>
#include <string>

namespace
{
int SystemMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType)
{
    return MessageBoxA(hOwner, pszText, pszCaption, nType);
}

MessageBoxFunc g_pfnMessageBox = &SystemMessageBox;

const char* AppCaption()
{
    const CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? pApp->m_strAppName.c_str() : "";
}

int ShowBox(HWND hOwner, const char* pszText, UINT nType)
{
    return g_pfnMessageBox(hOwner, pszText, AppCaption(), nType);
}
} // namespace

MessageBoxFunc AfxSetMessageBoxFunc(MessageBoxFunc pfn)
{
    MessageBoxFunc pfnPrevious = g_pfnMessageBox;
    g_pfnMessageBox = pfn != nullptr ? pfn : &SystemMessageBox;
    return pfnPrevious;
}

int AfxMessageBox(const char* pszText, UINT nType)
{
    return ShowBox(AfxGetMainWndHandle(), pszText, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt).c_str(), nType);
}

void AfxReportException(HWND hOwner, const std::exception_ptr& pError) noexcept
{
    const char OUT_OF_MEMORY[] = "Out of memory.";
    const UINT OUT_OF_MEMORY_TYPE = MB_ICONEXCLAMATION | MB_SYSTEMMODAL;
    const char INTERNAL_ERROR[] = "Internal application error.";
    if (!pError)
    {
        ShowBox(hOwner, INTERNAL_ERROR, MB_ICONSTOP);
        return;
    }
    try
    {
        try
        {
            std::rethrow_exception(pError);
        }
        catch (const std::bad_alloc&)
        {
            ShowBox(hOwner, OUT_OF_MEMORY, OUT_OF_MEMORY_TYPE);
        }
        catch (const CFileException& e)
        {
            const std::string strText = e.GetErrorMessage();
            ShowBox(hOwner, strText.c_str(), MB_ICONSTOP);
        }
        catch (...)
        {
            ShowBox(hOwner, INTERNAL_ERROR, MB_ICONSTOP);
        }
    }
    catch (...)
    {
        // Forming the text ran out of memory.
        ShowBox(hOwner, OUT_OF_MEMORY, OUT_OF_MEMORY_TYPE);
    }
}
