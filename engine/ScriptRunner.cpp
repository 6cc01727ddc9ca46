#include "engine/ConfigJob.h"

#include "framework/File.h"
#include "framework/Handle.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
const DWORD PATH_BUFFER_SIZE = 260;
const size_t COMMAND_LINE_MIN_SIZE = 260;
const char SCRIPT_EXTENSION[] = ".bat";
const char INTERPRETER_COMMAND[] = "cmd.exe /K ";

// The settings record is 68 bytes in a 32-bit build; a 64-bit build passes
// its own larger size.
static_assert(sizeof(void*) != 4 || sizeof(STARTUPINFOA) == 68, "start-up settings of 68 bytes");

// The script's path: a unique name in the long form of the temporary
// directory, with ".bat" behind it. bNamed is false when the directory or the
// unique name could not be had; the path then names no file of ours, and
// nothing may be created at it (an empty directory would put the script in
// the current directory).
std::string MakeScriptPath(bool& bNamed)
{
    char szDir[PATH_BUFFER_SIZE] = {};
    const DWORD nDir = GetTempPathA(PATH_BUFFER_SIZE, szDir);
    if (nDir == 0 || nDir >= PATH_BUFFER_SIZE)
        szDir[0] = '\0'; // the buffer's content is undefined then

    if (szDir[0] != '\0')
    {
        char szLong[PATH_BUFFER_SIZE] = {};
        const DWORD nLong = GetLongPathNameA(szDir, szLong, PATH_BUFFER_SIZE);
        if (nLong != 0 && nLong < PATH_BUFFER_SIZE)
            std::memcpy(szDir, szLong, sizeof szDir);
    }

    char szName[PATH_BUFFER_SIZE] = {};
    bNamed = szDir[0] != '\0' && GetTempFileNameA(szDir, "", 0, szName) != 0;
    return std::string(bNamed ? szName : szDir) + SCRIPT_EXTENSION;
}

// The system's interpreter by its full path: with no application name the
// search would also find a cmd.exe in the current directory or beside the
// program and run it with the operator's rights. Empty when the system
// directory cannot be had.
std::string SystemInterpreterPath()
{
    char szDir[MAX_PATH] = {};
    const UINT nDir = GetSystemDirectoryA(szDir, MAX_PATH);
    if (nDir == 0 || nDir >= MAX_PATH)
        return std::string();
    return std::string(szDir) + "\\cmd.exe";
}
} // namespace

BOOL CConfigJob::RunScript()
{
    bool bNamed = false;
    const std::string strScriptPath = MakeScriptPath(bNamed);

    CFile file;
    if (!bNamed || !file.Open(strScriptPath, CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive))
    {
        Log("Couldn't open script file:" + strScriptPath, LOG_ERROR);
        return FALSE;
    }

    // A failure to write or close leaves here as a CFileException; the
    // partly written script stays and is never started.
    const std::string strScript = SubstituteIdentity(m_plan.GetScript());
    file.Write(strScript.data(), static_cast<DWORD>(strScript.size()));
    file.Close();

    Log("Executing: " + strScriptPath, LOG_INFORMATION);

    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;

    const std::string strCommand = INTERPRETER_COMMAND + ("\"" + strScriptPath + "\"");
    std::vector<char> commandLine(std::max(COMMAND_LINE_MIN_SIZE, strCommand.size() + 1), '\0');
    std::copy(strCommand.begin(), strCommand.end(), commandLine.begin());

    const std::string strInterpreter =
        m_testInterpreter.strPath.empty() ? SystemInterpreterPath() : m_testInterpreter.strPath;

    PROCESS_INFORMATION started = {};
    const BOOL bStarted = !strInterpreter.empty() &&
                         CreateProcessA(strInterpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &started);
    if (!bStarted)
    {
        DeleteFileA(strScriptPath.c_str());
        return FALSE;
    }
    CProcessInformation process;
    process.Take(started);

    if (m_testInterpreter.bWaitRightOnly)
    {
        HANDLE hWaitOnly = nullptr;
        if (DuplicateHandle(GetCurrentProcess(), process.process.Get(), GetCurrentProcess(), &hWaitOnly, SYNCHRONIZE,
                            FALSE, 0))
            process.process.Reset(hWaitOnly);
    }

    WaitForSingleObject(process.process.Get(), INFINITE);
    DeleteFileA(strScriptPath.c_str());

    DWORD dwExitCode = 0;
    if (!GetExitCodeProcess(process.process.Get(), &dwExitCode))
        return FALSE;
    if (dwExitCode == 0)
    {
        Log("Script executed successfully", LOG_INFORMATION);
        return TRUE;
    }
    Log("There were errors in the script execution", LOG_ERROR);
    return FALSE;
}
