// A file opened through CreateFile with the class library's open modes.
// Opening reports failure as a result; reading, writing and closing throw
// CFileException.
#pragma once

#include "framework/FileException.h"
#include "framework/Handle.h"

#include <string>

class CFile
{
public:
    enum OpenFlags : unsigned
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    // The CreateFile arguments that a set of open flags stands for.
    struct CreateArgs
    {
        DWORD dwAccess;
        DWORD dwShare;
        DWORD dwDisposition;
    };
    static CreateArgs MapOpenFlags(unsigned nOpenFlags);

    CFile() = default;
    ~CFile() = default; // an open handle is closed without a report
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE when the file cannot be opened; pError, if given, says why.
    BOOL Open(const std::string& strPath, unsigned nOpenFlags, CFileException* pError = nullptr);

    bool IsOpen() const { return m_hFile.IsValid(); }
    HANDLE GetHandle() const { return m_hFile.Get(); }
    const std::string& GetFilePath() const { return m_strPath; }

    unsigned long long GetLength() const;
    // One read request; returns the bytes delivered (fewer at the end of the file).
    DWORD Read(void* pBuffer, DWORD nCount);
    // One write request; storing fewer bytes than asked counts as a full disk.
    void Write(const void* pBuffer, DWORD nCount);
    void Flush();
    void Close();
    // Closes without reporting a failure: for paths that already fail.
    void Abort() noexcept;

private:
    CFileHandle m_hFile;
    std::string m_strPath;
};
