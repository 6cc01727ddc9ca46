// The working copy of the constant tables that one configuration run uses.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// One file edit: which file, which key, which new value.
class CEditEntry
{
public:
    CEditEntry() = default;
    CEditEntry(std::string strFile, std::string strKey, std::string strValue)
        : m_strFile(std::move(strFile)), m_strKey(std::move(strKey)), m_strValue(std::move(strValue))
    {
    }

    std::string m_strFile;
    std::string m_strKey;
    std::string m_strValue;
};

class CConfigPlan
{
public:
    CConfigPlan();
    ~CConfigPlan();
    CConfigPlan(const CConfigPlan&) = delete;
    CConfigPlan& operator=(const CConfigPlan&) = delete;

    int GetEditCount() const;
    // A copy of edit nIndex with each field expanded; an empty entry at or
    // beyond the count.
    CEditEntry GetEdit(int nIndex) const;
    std::string GetScript() const;
    std::string GetHostsPath() const;
    // Environment references first, then the path placeholders.
    std::string Expand(const std::string& strText) const;

    std::unordered_map<std::string, std::string> m_mapPlaceholders;
    std::vector<CEditEntry> m_arrEdits;
};
