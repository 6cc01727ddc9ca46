// The HOSTS file that Celvane.exe edits when it runs under Wine. Wine sets
// %SystemRoot% of every process it starts to C:\windows, whatever environment
// block the process is given, so the program always reaches the prefix's own
// file. For a test that file holds the given bytes; afterwards the prefix's
// own bytes, name and attributes are put back. A copy of the prefix's own file
// waits in a folder of the build tree meanwhile, so that a test that was cut
// off is made good by the next one.
#pragma once

#include <windows.h>

#include <string>

class CPrefixHosts
{
public:
    CPrefixHosts(const std::string& strBytes, const std::string& strBackupDir);
    ~CPrefixHosts();
    CPrefixHosts(const CPrefixHosts&) = delete;
    CPrefixHosts& operator=(const CPrefixHosts&) = delete;

    // The path as Celvane names it: %SystemRoot%\system32\drivers\etc\HOSTS.
    const std::string& Path() const { return m_strPath; }
    const std::string& Folder() const { return m_strFolder; }

    // Puts the prefix's own file back; true when it is as it was.
    bool Restore();

private:
    void PutBack(const std::string& strName, const std::string& strBytes, DWORD dwAttributes);

    std::string m_strFolder;
    std::string m_strPath;
    std::string m_strBackupDir;
    bool m_bHadOwn = false;
    std::string m_strOwnName;
    std::string m_strOwnBytes;
    DWORD m_dwOwnAttributes = FILE_ATTRIBUTE_NORMAL;
    bool m_bRestored = false;
};
