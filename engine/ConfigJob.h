// One configuration run: the identity values the operator confirmed, the
// plan, and the run's steps as member functions.
#pragma once

#include "engine/ConfigPlan.h"

#include <windows.h>

#include <string>

enum
{
    LOG_INFORMATION = 0,
    LOG_WARNING = 1,
    LOG_ERROR = 2,
};

// Carries one log line to the main window: wParam the severity, lParam a heap
// std::string that the receiver deletes.
const UINT WM_LOGMESSAGE = WM_USER + 100;

enum LOAD_RESULT
{
    LOAD_OK,
    LOAD_CANNOT_OPEN,
    LOAD_TOO_LONG,
};

enum LOAD_MODE
{
    LOAD_READ_SHARED,          // read; others may read, not write; the file must exist
    LOAD_READ_WRITE_EXCLUSIVE, // read and write; no sharing; a missing file is created empty
};

class CConfigJob
{
public:
    CConfigJob();
    ~CConfigJob();
    CConfigJob(const CConfigJob&) = delete;
    CConfigJob& operator=(const CConfigJob&) = delete;

    void Run(const char* pszShortName, const char* pszFullName, const char* pszIPAddress);
    BOOL RunScript();
    void EditFiles();
    void EditHostsFile();

    LOAD_RESULT LoadTextFile(const std::string& strPath, LOAD_MODE mode, std::string& strText);
    BOOL WriteTextFile(const std::string& strText, const std::string& strPath);

    // Posts the line to the main window and returns; a line that cannot be
    // posted is dropped.
    void Log(std::string strText, int nSeverity);

    // The identity tokens of text replaced by this job's values.
    std::string SubstituteIdentity(const std::string& strText) const;

    std::string m_strShortName;
    std::string m_strFullName;
    std::string m_strIPAddress;
    CConfigPlan m_plan;

    // Set only by tests: an executable that RunScript starts in place of the
    // system's cmd.exe, with the same command line, and whether the job then
    // keeps no more than the right to wait for it (its exit code cannot be
    // read). An empty path means the system's interpreter.
    struct CInterpreterSeam
    {
        std::string strPath;
        bool bWaitRightOnly = false;
    };
    CInterpreterSeam m_testInterpreter;
};
