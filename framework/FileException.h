// A failure of the operating system while a file is opened, read, written or
// closed: its cause, the system's error code and the file's path.
#pragma once

#include <exception>
#include <string>

class CFileException : public std::exception
{
public:
    enum Cause
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(Cause cause, long lOsError, std::string strFileName);

    // Builds the exception for a system error code.
    static CFileException FromOsError(long lOsError, const std::string& strFileName);
    static Cause OsErrorToCause(long lOsError);

    // The error box's text for the cause, with %1 replaced by the path.
    std::string GetErrorMessage() const;
    const char* what() const noexcept override { return m_strMessage.c_str(); }

    Cause m_cause;
    long m_lOsError;
    std::string m_strFileName;

private:
    std::string m_strMessage;
};

[[noreturn]] void ThrowFileException(CFileException::Cause cause, long lOsError, const std::string& strFileName);
[[noreturn]] void ThrowOsFileError(long lOsError, const std::string& strFileName);
