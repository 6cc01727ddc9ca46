#include "editors/Editors.h"

#include "framework/File.h"
#include "support/PathParts.h"

#include <algorithm>

const char* const OUT_OF_MEMORY_LINE = "Not enough memory to process file: Out of memory.";

const unsigned WRITE_BACK_OPEN_FLAGS = CFile::modeWrite | CFile::modeCreate;

unsigned LoadOpenFlags(LOAD_MODE mode)
{
    if (mode == LOAD_READ_WRITE_EXCLUSIVE)
        return CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate;
    return CFile::modeRead | CFile::shareDenyWrite;
}

namespace
{
// Linux caps one read or write near 2 GB and Wine passes a short count on, so
// texts beyond that go in pieces rather than being taken for a full disk.
const size_t IO_CHUNK = size_t(1) << 30;

void WriteAll(CFile& file, const std::string& strText)
{
    for (size_t done = 0; done < strText.size();)
    {
        const size_t n = std::min(IO_CHUNK, strText.size() - done);
        file.Write(strText.data() + done, static_cast<DWORD>(n));
        done += n;
    }
}

// Removes the temporary file on every path out, unless it took the
// original's place.
class CTempFileGuard
{
public:
    explicit CTempFileGuard(std::string strPath) : m_strPath(std::move(strPath)) {}
    ~CTempFileGuard()
    {
        if (!m_strPath.empty())
            DeleteFileA(m_strPath.c_str());
    }
    CTempFileGuard(const CTempFileGuard&) = delete;
    CTempFileGuard& operator=(const CTempFileGuard&) = delete;

    void Release() { m_strPath.clear(); }

private:
    std::string m_strPath;
};

enum TEMP_OUTCOME
{
    TEMP_CREATED,
    TEMP_NOT_PERMITTED, // the folder may not be written to: only the in-place write is left
    TEMP_FAILED,
};

std::string Hex4(DWORD dwValue)
{
    static const char DIGITS[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, dwValue >>= 4)
        text[static_cast<size_t>(i)] = DIGITS[dwValue & 0xF];
    return text;
}

// The temporary file is created here rather than by GetTempFileNameA, which
// under Wine reports success in a folder where it could create nothing.
TEMP_OUTCOME CreateTempBeside(const std::string& strPath, std::string& strTemp)
{
    const CPathParts parts(strPath.c_str(), FALSE, FALSE);
    const std::string strPrefix = parts.GetDrive() + parts.GetDir() + "cel";
    const DWORD dwStart = GetTickCount() ^ GetCurrentProcessId();
    for (DWORD i = 0; i < 0x10000; ++i)
    {
        const std::string strCandidate = strPrefix + Hex4(dwStart + i) + ".tmp";
        if (strCandidate.size() >= MAX_PATH)
            return TEMP_NOT_PERMITTED; // no room for the name: only the in-place write can reach the file
        const CFileHandle hTemp(CreateFileA(strCandidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (hTemp.IsValid())
        {
            strTemp = strCandidate;
            return TEMP_CREATED;
        }
        const DWORD dwError = GetLastError();
        if (dwError == ERROR_ACCESS_DENIED)
            return TEMP_NOT_PERMITTED;
        if (dwError != ERROR_FILE_EXISTS && dwError != ERROR_ALREADY_EXISTS)
            return TEMP_FAILED;
    }
    return TEMP_FAILED;
}

// The original is first opened as the in-place write-back would open it
// (for writing, shared with no one, though not cut), so that a read-only file
// or one that another program holds open is refused before anything moves;
// Wine's ReplaceFileA would leave a stray file of its own in that case.
// ReplaceFileA keeps the original's attributes and security. MoveFileExA
// would replace even a read-only file, so it serves only where there is no
// original.
bool PutInPlace(const std::string& strTemp, const std::string& strPath)
{
    CFile original;
    CFileException error(CFileException::none, 0, strPath);
    if (!original.Open(strPath, CFile::modeWrite | CFile::shareExclusive, &error))
    {
        if (error.m_lOsError != ERROR_FILE_NOT_FOUND)
            return false;
        return MoveFileExA(strTemp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
               FALSE;
    }
    original.Abort();
    return ReplaceFileA(strPath.c_str(), strTemp.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr) !=
           FALSE;
}

void LogWritten(CConfigJob& job, const std::string& strPath)
{
    try
    {
        job.Log("Wrote output to file: " + strPath, LOG_INFORMATION);
    }
    catch (...)
    {
        job.Log("Failed to output file: " + strPath, LOG_ERROR);
        throw;
    }
}

BOOL WriteViaTemp(CConfigJob& job, const std::string& strText, const std::string& strPath,
                  const std::string& strTemp)
{
    CTempFileGuard guard(strTemp);
    CFile file;
    if (!file.Open(strTemp, WRITE_BACK_OPEN_FLAGS))
    {
        job.Log("Couldn't write file: " + strPath, LOG_ERROR);
        return FALSE;
    }
    try
    {
        WriteAll(file, strText);
        file.Flush();
        file.Close();
    }
    catch (const CFileException& e)
    {
        job.Log("Failed to output file: " + strPath, LOG_ERROR);
        file.Abort();
        // The error box names the file the operator knows, not the temporary
        // one, which is gone by the time the box shows.
        throw CFileException(e.m_cause, e.m_lOsError, strPath);
    }
    catch (...)
    {
        job.Log("Failed to output file: " + strPath, LOG_ERROR);
        file.Abort();
        throw;
    }
    if (!PutInPlace(strTemp, strPath))
    {
        job.Log("Couldn't write file: " + strPath, LOG_ERROR);
        return FALSE;
    }
    guard.Release();
    LogWritten(job, strPath);
    return TRUE;
}

// The original is cut to length 0 first: a failure part-way loses its bytes,
// which is why this is only the fallback.
BOOL WriteInPlace(CConfigJob& job, const std::string& strText, const std::string& strPath)
{
    CFile file;
    if (!file.Open(strPath, WRITE_BACK_OPEN_FLAGS))
    {
        job.Log("Couldn't write file: " + strPath, LOG_ERROR);
        return FALSE;
    }
    try
    {
        WriteAll(file, strText);
        file.Close();
    }
    catch (...)
    {
        job.Log("Failed to output file: " + strPath, LOG_ERROR);
        file.Abort();
        throw;
    }
    LogWritten(job, strPath);
    return TRUE;
}
} // namespace

LOAD_RESULT CConfigJob::LoadTextFile(const std::string& strPath, LOAD_MODE mode, std::string& strText)
{
    CFile file;
    if (!file.Open(strPath, LoadOpenFlags(mode)))
        return LOAD_CANNOT_OPEN;
    const unsigned long long nSize = file.GetLength();
    Log("Processing file: " + strPath, LOG_INFORMATION);
    if (nSize > MAX_TEXT_FILE_SIZE)
    {
        Log("File too long to process, ", LOG_ERROR);
        file.Close();
        return LOAD_TOO_LONG;
    }

    try
    {
        std::string text;
        text.resize(static_cast<size_t>(nSize));
        // One request normally; a short delivery is followed up so that a
        // partial read can never be written back as the whole file.
        size_t nGot = 0;
        while (nGot < text.size())
        {
            const DWORD nRead = file.Read(&text[nGot], static_cast<DWORD>(text.size() - nGot));
            if (nRead == 0)
                break;
            nGot += nRead;
        }
        text.resize(nGot);
        file.Close();
        strText = std::move(text);
    }
    catch (const std::bad_alloc&)
    {
        file.Abort();
        throw CFileMemoryException();
    }
    return LOAD_OK;
}

BOOL CConfigJob::WriteTextFile(const std::string& strText, const std::string& strPath)
{
    std::string strTemp;
    switch (CreateTempBeside(strPath, strTemp))
    {
    case TEMP_CREATED:
        return WriteViaTemp(*this, strText, strPath, strTemp);
    case TEMP_NOT_PERMITTED:
        return WriteInPlace(*this, strText, strPath);
    case TEMP_FAILED:
    default:
        Log("Couldn't write file: " + strPath, LOG_ERROR);
        return FALSE;
    }
}
