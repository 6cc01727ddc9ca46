// Takes the place of cmd.exe where a test needs an outcome the real script
// cannot give. It records the command line it received and the bytes of the
// script file named in it, then ends with the exit code the test chose.
//   CELVANE_STANDIN_RECORD  folder for "cmdline.txt" and "script.bat"
//   CELVANE_STANDIN_EXIT    the exit code (decimal; 0 when unset)
#include <windows.h>

#include <cstdlib>
#include <string>

namespace
{
std::string Environment(const char* pszName)
{
    char szValue[1024] = {};
    const DWORD n = GetEnvironmentVariableA(pszName, szValue, sizeof szValue);
    return n > 0 && n < sizeof szValue ? std::string(szValue, n) : std::string();
}

bool CopyBytes(const std::string& strFrom, const std::string& strTo)
{
    return CopyFileA(strFrom.c_str(), strTo.c_str(), FALSE) != FALSE;
}

void Write(const std::string& strPath, const std::string& strBytes)
{
    HANDLE h = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    DWORD dwWritten = 0;
    WriteFile(h, strBytes.data(), static_cast<DWORD>(strBytes.size()), &dwWritten, nullptr);
    CloseHandle(h);
}

// The script path: what stands between the first pair of quotes.
std::string ScriptPath(const std::string& strCommandLine)
{
    const size_t nOpen = strCommandLine.find('"');
    const size_t nClose = nOpen == std::string::npos ? nOpen : strCommandLine.find('"', nOpen + 1);
    return nClose == std::string::npos ? std::string() : strCommandLine.substr(nOpen + 1, nClose - nOpen - 1);
}
} // namespace

int main()
{
    const std::string strCommandLine = GetCommandLineA();
    const std::string strRecord = Environment("CELVANE_STANDIN_RECORD");
    if (!strRecord.empty())
    {
        Write(strRecord + "\\cmdline.txt", strCommandLine);
        CopyBytes(ScriptPath(strCommandLine), strRecord + "\\script.bat");
    }
    return static_cast<int>(std::strtoul(Environment("CELVANE_STANDIN_EXIT").c_str(), nullptr, 10));
}
