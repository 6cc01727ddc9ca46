#include "support/PathParts.h"

#include "framework/CodePage.h"
#include "support/PathPartsLogic.h"

CPathParts::CPathParts(const char* pszPath, BOOL bDirectory, BOOL bArguments)
    : m_bRelative(FALSE)
{
    Split(pszPath, bDirectory, bArguments);
}

CPathParts::~CPathParts() = default;

void CPathParts::Split(const char* pszPath, BOOL bDirectory, BOOL bArguments)
{
    m_strPath = pszPath != nullptr ? pszPath : "";
    PATH_SPLIT parts = SplitPathParts(m_strPath, bDirectory != FALSE, bArguments != FALSE, ActiveLeadBytes());
    m_strDrive = std::move(parts.strDrive);
    m_strDir = std::move(parts.strDir);
    m_strTitle = std::move(parts.strTitle);
    m_strExt = std::move(parts.strExt);
    m_strArgs = std::move(parts.strArgs);
    m_bRelative = parts.bRelative ? TRUE : FALSE;
}

std::string CPathParts::GetExtension() const
{
    return m_strExt.empty() ? std::string() : "." + m_strExt;
}

BOOL CPathParts::HasFileTitle() const
{
    return m_strTitle.empty() ? FALSE : TRUE;
}

BOOL CPathParts::IsXml() const
{
    return IsXmlExtension(GetExtension(), ActiveLeadBytes()) ? TRUE : FALSE;
}

std::string CPathParts::AddTrailingSeparator(const char* pszText, BOOL bForwardSlash)
{
    return PathAddTrailingSeparator(pszText != nullptr ? pszText : "", bForwardSlash != FALSE, ActiveLeadBytes());
}
