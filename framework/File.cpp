#include "framework/File.h"

CFile::CreateArgs CFile::MapOpenFlags(unsigned nOpenFlags)
{
    CreateArgs args = {};
    switch (nOpenFlags & 3)
    {
    case modeRead: args.dwAccess = GENERIC_READ; break;
    case modeWrite: args.dwAccess = GENERIC_WRITE; break;
    default: args.dwAccess = GENERIC_READ | GENERIC_WRITE; break;
    }
    switch (nOpenFlags & 0x70)
    {
    case shareDenyWrite: args.dwShare = FILE_SHARE_READ; break;
    case shareDenyRead: args.dwShare = FILE_SHARE_WRITE; break;
    case shareDenyNone: args.dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: args.dwShare = 0; break; // exclusive and compatibility mode
    }
    if (nOpenFlags & modeCreate)
        args.dwDisposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    else
        args.dwDisposition = OPEN_EXISTING;
    return args;
}

BOOL CFile::Open(const std::string& strPath, unsigned nOpenFlags, CFileException* pError)
{
    Abort();
    m_strPath = strPath;
    const CreateArgs args = MapOpenFlags(nOpenFlags);
    HANDLE h = CreateFileA(strPath.c_str(), args.dwAccess, args.dwShare, nullptr, args.dwDisposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
    {
        const DWORD err = GetLastError();
        if (pError != nullptr)
            *pError = CFileException::FromOsError(static_cast<long>(err), strPath);
        return FALSE;
    }
    m_hFile.Reset(h);
    return TRUE;
}

unsigned long long CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(m_hFile.Get(), &size))
        ThrowOsFileError(static_cast<long>(GetLastError()), m_strPath);
    return static_cast<unsigned long long>(size.QuadPart);
}

DWORD CFile::Read(void* pBuffer, DWORD nCount)
{
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!ReadFile(m_hFile.Get(), pBuffer, nCount, &nRead, nullptr))
        ThrowOsFileError(static_cast<long>(GetLastError()), m_strPath);
    return nRead;
}

void CFile::Write(const void* pBuffer, DWORD nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!WriteFile(m_hFile.Get(), pBuffer, nCount, &nWritten, nullptr))
        ThrowOsFileError(static_cast<long>(GetLastError()), m_strPath);
    if (nWritten != nCount)
        ThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strPath);
}

void CFile::Flush()
{
    if (!FlushFileBuffers(m_hFile.Get()))
        ThrowOsFileError(static_cast<long>(GetLastError()), m_strPath);
}

void CFile::Close()
{
    if (!m_hFile.IsValid())
        return;
    if (!m_hFile.Close())
        ThrowOsFileError(static_cast<long>(GetLastError()), m_strPath);
}

void CFile::Abort() noexcept
{
    m_hFile.Reset();
}
