#include "engine/RunnerSupport.h"

#include <algorithm>
#include <stdexcept>

CEnvOverride::CEnvOverride(std::string strName, const std::string& strValue) : m_strName(std::move(strName))
{
    char szOld[32768];
    const DWORD n = GetEnvironmentVariableA(m_strName.c_str(), szOld, sizeof szOld);
    m_bHadOld = n > 0 && n < sizeof szOld;
    if (m_bHadOld)
        m_strOld.assign(szOld, n);
    SetEnvironmentVariableA(m_strName.c_str(), strValue.c_str());
}

CEnvOverride::~CEnvOverride()
{
    SetEnvironmentVariableA(m_strName.c_str(), m_bHadOld ? m_strOld.c_str() : nullptr);
}

CCurrentDirectory::CCurrentDirectory(const std::string& strDir)
{
    char szOld[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, szOld);
    m_strOld = szOld;
    if (!SetCurrentDirectoryA(strDir.c_str()))
        throw std::runtime_error("cannot change to " + strDir);
}

CCurrentDirectory::~CCurrentDirectory()
{
    SetCurrentDirectoryA(m_strOld.c_str());
}

void DetachFromConsole()
{
    FreeConsole();
}

std::string HelperPath(const std::string& strExeName)
{
    char szSelf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    std::string strDir = szSelf;
    strDir.erase(strDir.find_last_of('\\') + 1);
    return strDir + strExeName;
}

namespace
{
PROCESS_INFORMATION Start(const std::string& strExe, const std::string& strArguments, DWORD dwFlags)
{
    std::string strCommand = "\"" + strExe + "\"" + (strArguments.empty() ? "" : " " + strArguments);
    std::vector<char> commandLine(strCommand.begin(), strCommand.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(strExe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, dwFlags, nullptr, nullptr,
                        &startup, &started))
        throw std::runtime_error("cannot start " + strExe + ": " + std::to_string(GetLastError()));
    return started;
}

// Runs a program of the Unix side and waits for it, through Wine's own
// export; its exit status, or -1 outside Wine.
int RunUnix(std::vector<std::string> arguments)
{
    using PFN_SPAWN = LONG(CDECL*)(char* const*, int);
    const auto pfn = reinterpret_cast<PFN_SPAWN>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    if (pfn == nullptr)
        return -1;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(&argument[0]);
    argv.push_back(nullptr);
    return static_cast<int>(pfn(argv.data(), 1));
}

// The Unix path behind a Windows path, from Wine's own export.
std::string UnixPath(const std::string& strPath)
{
    using PFN_UNIX_NAME = char*(CDECL*)(LPCWSTR);
    const auto pfn = reinterpret_cast<PFN_UNIX_NAME>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (pfn == nullptr)
        return std::string();
    std::wstring wide(strPath.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    if (n == 0)
        return std::string();
    char* pszUnix = pfn(wide.c_str());
    if (pszUnix == nullptr)
        return std::string();
    std::string strUnix = pszUnix;
    HeapFree(GetProcessHeap(), 0, pszUnix);
    return strUnix;
}
} // namespace

COperator::COperator()
{
    m_process.Take(Start(HelperPath("celvane_at_pause.exe"), std::to_string(GetCurrentProcessId()) + " key", DETACHED_PROCESS));
}

COperator::~COperator()
{
    if (m_process.process && WaitForSingleObject(m_process.process.Get(), 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.process.Get(), 1);
}

DWORD COperator::Finish()
{
    WaitForSingleObject(m_process.process.Get(), INFINITE);
    DWORD dwCode = static_cast<DWORD>(-1);
    GetExitCodeProcess(m_process.process.Get(), &dwCode);
    return dwCode;
}

CStandin::CStandin(CConfigJob& job, DWORD dwExitCode)
    : m_record("standin"), m_recordEnv("CELVANE_STANDIN_RECORD", m_record.Path()),
      m_exitEnv("CELVANE_STANDIN_EXIT", std::to_string(dwExitCode))
{
    job.m_testInterpreter.strPath = HelperPath("celvane_standin.exe");
}

bool CStandin::Ran() const
{
    return FileExists(m_record / "cmdline.txt");
}

std::string CStandin::CommandLine() const
{
    return ReadBytes(m_record / "cmdline.txt");
}

std::string CStandin::Script() const
{
    return ReadBytes(m_record / "script.bat");
}

const std::string& CStandin::RecordDir() const
{
    return m_record.Path();
}

CTmpfsMount::CTmpfsMount(const std::string& strDir, const std::string& strOptions) : m_strDir(strDir)
{
    MakeDirs(strDir);
    m_strUnixDir = UnixPath(strDir);
    if (m_strUnixDir.empty())
        return;
    m_bMounted = RunUnix({"/bin/mount", "-t", "tmpfs", "-o", strOptions, "celvane-test", m_strUnixDir}) == 0;
}

CTmpfsMount::~CTmpfsMount()
{
    if (m_bMounted)
        RunUnix({"/bin/umount", "-l", m_strUnixDir}); // lazily, should a handle still be open
}

void CTmpfsMount::Fill()
{
    HANDLE h = CreateFileA((m_strDir + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot create the filler in " + m_strDir);
    const std::string block(4096, 'f');
    DWORD dwWritten = 0;
    while (WriteFile(h, block.data(), static_cast<DWORD>(block.size()), &dwWritten, nullptr) &&
           dwWritten == block.size())
    {
    }
    CloseHandle(h);
}

std::vector<std::string> ListFiles(const std::string& strDir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((strDir + "\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    std::sort(names.begin(), names.end());
    return names;
}
