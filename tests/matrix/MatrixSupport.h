// Helpers of the fault matrix: another program that holds a file, and what a
// path holds, read without loading a 2 GB file.
#pragma once

#include "framework/Handle.h"

#include <windows.h>

#include <ostream>
#include <string>

// The suite's file locker (celvane_locker.exe) holding a file open for
// reading and writing and sharing it with no one, from construction until
// Release() or destruction.
class CFileLocker
{
public:
    explicit CFileLocker(const std::string& strPath);
    ~CFileLocker();
    CFileLocker(const CFileLocker&) = delete;
    CFileLocker& operator=(const CFileLocker&) = delete;

    // Tells the locker to let go and waits until it has.
    void Release();

private:
    CKernelHandle m_hToLocker; // the locker's standard input; closing it lets go
    CProcessInformation m_process;
};

// What stands at a path. A file of 2 GB or more is described by its size, the
// disk space it takes, its last write time and its first and last 64 KB rather
// than by its bytes: the sparse file the matrix lays out takes no space, so
// any byte written to it would show in the space it takes.
struct FILE_STATE
{
    enum KIND
    {
        ABSENT,
        DIRECTORY,
        BYTES,
        HUGE_FILE,
    };
    KIND kind = ABSENT;
    std::string strBytes;   // BYTES: the content; DIRECTORY: the names inside, one a line
    bool bReadOnly = false; // the read-only attribute
    unsigned long long nSize = 0;
    unsigned long long nAllocated = 0;     // HUGE_FILE only
    unsigned long long nWriteTime = 0;     // HUGE_FILE only
    bool bZeroEnds = false;                // HUGE_FILE: its first and last 64 KB are zero bytes

    static FILE_STATE Bytes(std::string strBytes);
    static FILE_STATE Read(const std::string& strPath);

    bool operator==(const FILE_STATE& o) const;
    bool operator!=(const FILE_STATE& o) const { return !(*this == o); }
};
void PrintTo(const FILE_STATE& state, std::ostream* os);
