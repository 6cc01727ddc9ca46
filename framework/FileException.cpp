#include "framework/FileException.h"

#include <windows.h>

namespace
{
const char* CauseTemplate(CFileException::Cause cause)
{
    switch (cause)
    {
    case CFileException::none: return "No error occurred.";
    case CFileException::fileNotFound: return "%1 was not found.";
    case CFileException::badPath: return "%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles: return "%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied: return "Access to %1 was denied.";
    case CFileException::invalidFile: return "An invalid file handle was associated with %1.";
    case CFileException::removeCurrentDir: return "%1 could not be removed because it is the current directory.";
    case CFileException::directoryFull: return "%1 could not be created because the directory is full.";
    case CFileException::badSeek: return "Seek failed on %1.";
    case CFileException::hardIO: return "A hardware I/O error was reported while accessing %1.";
    case CFileException::sharingViolation: return "A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation: return "A locking violation occurred while accessing %1.";
    case CFileException::diskFull: return "Disk full while accessing %1.";
    case CFileException::endOfFile: return "An attempt was made to access %1 past its end.";
    case CFileException::genericException:
    default: return "An unexpected error occurred while accessing %1.";
    }
}
} // namespace

CFileException::CFileException(Cause cause, long lOsError, std::string strFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(std::move(strFileName))
{
    m_strMessage = GetErrorMessage();
}

CFileException::Cause CFileException::OsErrorToCause(long lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_CRC:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_SECTOR_NOT_FOUND: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

CFileException CFileException::FromOsError(long lOsError, const std::string& strFileName)
{
    return CFileException(OsErrorToCause(lOsError), lOsError, strFileName);
}

std::string CFileException::GetErrorMessage() const
{
    const std::string name = m_strFileName.empty() ? std::string("an unnamed file") : m_strFileName;
    std::string text = CauseTemplate(m_cause);
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

void ThrowFileException(CFileException::Cause cause, long lOsError, const std::string& strFileName)
{
    throw CFileException(cause, lOsError, strFileName);
}

void ThrowOsFileError(long lOsError, const std::string& strFileName)
{
    throw CFileException::FromOsError(lOsError, strFileName);
}
