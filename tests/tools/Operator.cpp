// Plays the operator at a console of the command interpreter: finds the
// cmd.exe that the process given by its id started, attaches to its console
// and types a space, which ends the script's "pause".
//   celvane_operator <parent process id>
// Exit code 0 when the key went in; 2 when no such console turned up; 3 when
// the key could not be written. On failure the interpreters are ended, so
// that the test fails rather than waits for a key that never comes.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <vector>

namespace
{
const int POLL_ROUNDS = 1200; // a bound, so that a run that never starts cannot keep us forever
const DWORD POLL_INTERVAL_MS = 25;

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

void EndInterpreters(DWORD dwParent)
{
    for (DWORD dwId : InterpretersStartedBy(dwParent))
    {
        HANDLE hProcess = OpenProcess(PROCESS_TERMINATE, FALSE, dwId);
        if (hProcess == nullptr)
            continue;
        TerminateProcess(hProcess, 1);
        CloseHandle(hProcess);
    }
}

bool TypeSpace()
{
    HANDLE hInput = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
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
    if (argc < 2)
        return 2;
    const DWORD dwParent = std::strtoul(argv[1], nullptr, 10);
    FreeConsole();
    for (int nRound = 0; nRound < POLL_ROUNDS; ++nRound)
    {
        for (DWORD dwId : InterpretersStartedBy(dwParent))
        {
            // An interpreter of an earlier run may still be listed; its
            // console is gone, so the attach fails and we look again.
            if (!AttachConsole(dwId))
                continue;
            const bool bTyped = TypeSpace();
            FreeConsole();
            if (bTyped)
                return 0;
            EndInterpreters(dwParent);
            return 3;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    EndInterpreters(dwParent);
    return 2;
}
