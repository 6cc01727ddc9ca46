// Plays the operator at the script's console once its "pause" waits: finds
// the cmd.exe that the process given by its id started, attaches to its
// console, waits until the console shows the pause prompt, and then
//   key   types a space, which lets the script go on to its end;
//   end   ends the interpreter with exit code 1, as the task manager's
//         "End task" does.
//   celvane_at_pause <parent process id> key|end
// Exit code 0 when done; 2 when no such console showed the prompt in time;
// 3 when the key could not be written or the interpreter not ended. On
// failure the interpreters are ended, so that the test fails rather than
// waits for a key that never comes.
//
// Waiting for the prompt, rather than typing as soon as the console exists,
// keeps the key from arriving before the interpreter reads its input.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
const char PAUSE_PROMPT[] = "Press any key to continue";
// Generous: under a heavily loaded machine a console can take long to come
// up, and a bound keeps a run that never starts from holding us forever.
const ULONGLONG WAIT_LIMIT_MS = 120000;
const DWORD POLL_INTERVAL_MS = 20;

std::vector<DWORD> InterpretersStartedBy(DWORD dwParent)
{
    std::vector<DWORD> ids;
    HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = Process32First(hSnapshot, &entry); bMore; bMore = Process32Next(hSnapshot, &entry))
    {
        if (entry.th32ParentProcessID == dwParent && lstrcmpiA(entry.szExeFile, "cmd.exe") == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(hSnapshot);
    return ids;
}

bool EndInterpreter(DWORD dwId)
{
    HANDLE hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, dwId);
    if (hProcess == nullptr)
        return false;
    const bool bEnded = TerminateProcess(hProcess, 1) && WaitForSingleObject(hProcess, 60000) == WAIT_OBJECT_0;
    CloseHandle(hProcess);
    return bEnded;
}

void EndInterpreters(DWORD dwParent)
{
    for (DWORD dwId : InterpretersStartedBy(dwParent))
        EndInterpreter(dwId);
}

HANDLE OpenConsoleFile(const char* pszName)
{
    return CreateFileA(pszName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

// The characters of the attached console's screen buffer up to the cursor.
bool ShowsPrompt()
{
    HANDLE hOutput = OpenConsoleFile("CONOUT$");
    if (hOutput == INVALID_HANDLE_VALUE)
        return false;
    bool bShown = false;
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    if (GetConsoleScreenBufferInfo(hOutput, &info) && info.dwSize.X > 0)
    {
        std::string strScreen(static_cast<size_t>(info.dwSize.X) * (info.dwCursorPosition.Y + 1), ' ');
        DWORD dwRead = 0;
        const COORD origin = {0, 0};
        if (ReadConsoleOutputCharacterA(hOutput, &strScreen[0], static_cast<DWORD>(strScreen.size()), origin,
                                        &dwRead))
            bShown = strScreen.find(PAUSE_PROMPT) != std::string::npos;
    }
    CloseHandle(hOutput);
    return bShown;
}

bool TypeSpace()
{
    HANDLE hInput = OpenConsoleFile("CONIN$");
    if (hInput == INVALID_HANDLE_VALUE)
        return false;
    INPUT_RECORD records[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        records[i].EventType = KEY_EVENT;
        records[i].Event.KeyEvent.bKeyDown = i == 0;
        records[i].Event.KeyEvent.wRepeatCount = 1;
        records[i].Event.KeyEvent.wVirtualKeyCode = VK_SPACE;
        records[i].Event.KeyEvent.wVirtualScanCode = static_cast<WORD>(MapVirtualKeyA(VK_SPACE, 0));
        records[i].Event.KeyEvent.uChar.AsciiChar = ' ';
    }
    DWORD dwWritten = 0;
    const BOOL bOk = WriteConsoleInputA(hInput, records, 2, &dwWritten);
    CloseHandle(hInput);
    return bOk && dwWritten == 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::strcmp(argv[2], "key") != 0 && std::strcmp(argv[2], "end") != 0))
        return 2;
    const DWORD dwParent = std::strtoul(argv[1], nullptr, 10);
    const bool bKey = std::strcmp(argv[2], "key") == 0;
    FreeConsole();
    const ULONGLONG nStart = GetTickCount64();
    while (GetTickCount64() - nStart < WAIT_LIMIT_MS)
    {
        for (DWORD dwId : InterpretersStartedBy(dwParent))
        {
            // An interpreter that is ending may still be listed; its console
            // is gone, so the attach fails and we look again.
            if (!AttachConsole(dwId))
                continue;
            const bool bPrompt = ShowsPrompt();
            const bool bDone = bPrompt && bKey && TypeSpace();
            FreeConsole();
            if (!bPrompt)
                continue;
            if (bKey ? bDone : EndInterpreter(dwId))
                return 0;
            EndInterpreters(dwParent);
            return 3;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    EndInterpreters(dwParent);
    return 2;
}
