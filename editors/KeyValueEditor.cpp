#include "editors/Editors.h"

#include "editors/KeyValueLogic.h"
#include "framework/CodePage.h"
#include "support/PathParts.h"

void EditKeyValueFile(CConfigJob& job, const CEditEntry& edit)
{
    std::string text;
    LOAD_RESULT result = LOAD_CANNOT_OPEN;
    try
    {
        result = job.LoadTextFile(edit.m_strFile, LOAD_READ_SHARED, text);
    }
    catch (const CFileMemoryException&)
    {
        job.Log(OUT_OF_MEMORY_LINE, LOG_ERROR);
        return;
    }
    if (result == LOAD_CANNOT_OPEN)
    {
        job.Log("Couldn't open file: " + edit.m_strFile, LOG_ERROR);
        return;
    }
    if (result == LOAD_TOO_LONG)
        return;

    try
    {
        const bool bXml = CPathParts(edit.m_strFile.c_str(), FALSE, FALSE).IsXml() != FALSE;
        const std::string strValue = job.SubstituteIdentity(edit.m_strValue);
        KEY_VALUE_MATCHES matches = FindKeyValues(text, edit.m_strKey, bXml, ActiveLeadBytes());
        if (!matches.bKeyFound)
            job.Log(PropertyNotFoundLine(edit.m_strKey), LOG_ERROR);
        // The old values are logged before the text changes under them.
        for (const VALUE_SPAN& span : matches.arrValues)
            job.Log(ChangedLine(text, span, strValue), LOG_INFORMATION);
        ReplaceValues(text, matches.arrValues, strValue);
        std::vector<VALUE_SPAN>().swap(matches.arrValues);
        job.WriteTextFile(text, edit.m_strFile);
    }
    catch (const std::bad_alloc&)
    {
        std::string().swap(text);
        job.Log(OUT_OF_MEMORY_LINE, LOG_ERROR);
    }
}

void CConfigJob::EditFiles()
{
    for (int i = 0; i < m_plan.GetEditCount(); ++i)
        EditKeyValueFile(*this, m_plan.GetEdit(i));
}
