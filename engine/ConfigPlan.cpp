#include "engine/ConfigPlan.h"

#include "engine/PlanLogic.h"
#include "framework/CodePage.h"

#include <windows.h>

namespace
{
const size_t PLACEHOLDER_BUCKETS = 257;
const DWORD EXPAND_BUFFER_SIZE = 260;
} // namespace

CConfigPlan::CConfigPlan()
    : m_mapPlaceholders(PLACEHOLDER_BUCKETS)
{
    for (size_t i = 0; i < PLACEHOLDER_TABLE_SIZE; ++i)
        m_mapPlaceholders[PLACEHOLDER_TABLE[i].pszName] = PLACEHOLDER_TABLE[i].pszDefault;
    m_arrEdits.resize(EDIT_TABLE_SIZE);
    for (size_t i = 0; i < EDIT_TABLE_SIZE; ++i)
        m_arrEdits[i] = CEditEntry(EDIT_TABLE[i].pszFile, EDIT_TABLE[i].pszKey, EDIT_TABLE[i].pszValue);
}

CConfigPlan::~CConfigPlan()
{
    m_arrEdits.clear();
    m_mapPlaceholders.clear();
}

int CConfigPlan::GetEditCount() const
{
    return static_cast<int>(m_arrEdits.size());
}

CEditEntry CConfigPlan::GetEdit(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetEditCount())
        return CEditEntry();
    const CEditEntry& edit = m_arrEdits[static_cast<size_t>(nIndex)];
    return CEditEntry(Expand(edit.m_strFile), Expand(edit.m_strKey), Expand(edit.m_strValue));
}

std::string CConfigPlan::GetScript() const
{
    return Expand(SCRIPT_TEMPLATE);
}

std::string CConfigPlan::GetHostsPath() const
{
    return Expand(HOSTS_PATH_TEMPLATE);
}

std::string CConfigPlan::Expand(const std::string& strText) const
{
    // A text whose expansion does not fit the buffer is used unexpanded, as
    // is one whose expansion fails.
    char buffer[EXPAND_BUFFER_SIZE];
    const DWORD needed = ExpandEnvironmentStringsA(strText.c_str(), buffer, EXPAND_BUFFER_SIZE);
    std::string result = (needed == 0 || needed > EXPAND_BUFFER_SIZE) ? strText : std::string(buffer);
    return ReplacePlaceholders(result, m_mapPlaceholders, ActiveLeadBytes());
}
