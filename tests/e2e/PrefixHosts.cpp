#include "e2e/PrefixHosts.h"

#include "TestSupport.h"

namespace
{
// The name the file has on disk; Windows names are case-blind, and a
// write-back may leave the file under the name the program gave it.
bool FindOnDisk(const std::string& strPattern, std::string& strName, DWORD& dwAttributes)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(strPattern.c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    FindClose(hFind);
    strName = data.cFileName;
    dwAttributes = data.dwFileAttributes;
    return true;
}
// The name of the one plain file in a folder, or nothing.
std::string FileIn(const std::string& strDir)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strDir + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return std::string();
    std::string strName;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            strName = data.cFileName;
    } while (strName.empty() && FindNextFileA(hFind, &data));
    FindClose(hFind);
    return strName;
}
} // namespace

CPrefixHosts::CPrefixHosts(const std::string& strBytes, const std::string& strBackupDir)
    : m_strBackupDir(strBackupDir)
{
    char szWindows[MAX_PATH] = {};
    GetWindowsDirectoryA(szWindows, MAX_PATH);
    m_strFolder = std::string(szWindows) + "\\system32\\drivers\\etc";
    m_strPath = m_strFolder + "\\HOSTS";

    // The backup's name is the prefix's own file's name.
    const std::string strBackupName = FileIn(m_strBackupDir);
    if (!strBackupName.empty())
        PutBack(strBackupName, ReadBytes(m_strBackupDir + "\\" + strBackupName), FILE_ATTRIBUTE_NORMAL);
    RemoveTree(m_strBackupDir);

    m_bHadOwn = FindOnDisk(m_strPath, m_strOwnName, m_dwOwnAttributes);
    if (m_bHadOwn)
    {
        m_strOwnBytes = ReadBytes(m_strPath);
        MakeDirs(m_strBackupDir);
        WriteBytes(m_strBackupDir + "\\" + m_strOwnName, m_strOwnBytes);
        SetFileAttributesA(m_strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    else
    {
        MakeDirs(m_strFolder);
    }
    WriteBytes(m_strPath, strBytes);
}

CPrefixHosts::~CPrefixHosts()
{
    try
    {
        Restore();
    }
    catch (...)
    {
        // A destructor may not throw; the test that checks Restore() reports it.
    }
}

void CPrefixHosts::PutBack(const std::string& strName, const std::string& strBytes, DWORD dwAttributes)
{
    SetFileAttributesA(m_strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(m_strPath.c_str());
    const std::string strOwnPath = m_strFolder + "\\" + strName;
    WriteBytes(strOwnPath, strBytes);
    SetFileAttributesA(strOwnPath.c_str(), dwAttributes);
}

bool CPrefixHosts::Restore()
{
    if (!m_bRestored)
    {
        m_bRestored = true;
        if (m_bHadOwn)
        {
            PutBack(m_strOwnName, m_strOwnBytes, m_dwOwnAttributes);
        }
        else
        {
            SetFileAttributesA(m_strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(m_strPath.c_str());
        }
        RemoveTree(m_strBackupDir);
    }
    std::string strName;
    DWORD dwAttributes = 0;
    if (!FindOnDisk(m_strPath, strName, dwAttributes))
        return !m_bHadOwn;
    return m_bHadOwn && strName == m_strOwnName && dwAttributes == m_dwOwnAttributes &&
           ReadBytes(m_strPath) == m_strOwnBytes;
}
