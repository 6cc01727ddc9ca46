#include "editors/Editors.h"

#include "editors/HostsLogic.h"

void EditHostsFileAt(CConfigJob& job, const std::string& strPath)
{
    std::string text;
    LOAD_RESULT result = LOAD_CANNOT_OPEN;
    try
    {
        result = job.LoadTextFile(strPath, LOAD_READ_WRITE_EXCLUSIVE, text);
    }
    catch (const CFileMemoryException&)
    {
        job.Log(OUT_OF_MEMORY_LINE, LOG_ERROR);
        return;
    }
    if (result == LOAD_CANNOT_OPEN)
    {
        job.Log("Couldn't open file: " + strPath, LOG_ERROR);
        return;
    }
    if (result == LOAD_TOO_LONG)
        return;

    try
    {
        const std::string strHostLine = HostLine(job.m_strIPAddress, job.m_strShortName, job.m_strFullName);
        const HOSTS_EDIT edit = EditHostsText(text, strHostLine);
        if (edit.bEmpty)
            job.Log("The hosts file is empty", LOG_WARNING);
        if (edit.bInserted)
        {
            job.Log("Last line is a comment, inserting", LOG_WARNING);
        }
        else
        {
            job.Log("Replaced: " + edit.strOldLine, LOG_INFORMATION);
            job.Log("With: " + strHostLine, LOG_INFORMATION);
        }
        job.WriteTextFile(text, strPath);
    }
    catch (const std::bad_alloc&)
    {
        std::string().swap(text);
        job.Log(OUT_OF_MEMORY_LINE, LOG_ERROR);
    }
}

void CConfigJob::EditHostsFile()
{
    EditHostsFileAt(*this, m_plan.GetHostsPath());
}
