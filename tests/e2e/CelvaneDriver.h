// Drives Celvane.exe from outside, as an operator would: the program runs as
// a process of its own, and everything goes through its window, its console
// and the X display it shows on. Failures to drive (no window, no console,
// no answer in time) are thrown as std::runtime_error.
#pragma once

#include "framework/Handle.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Every wait is for a condition, bounded generously so that a loaded machine
// passes and a broken program fails instead of hanging.
const DWORD E2E_WAIT_LIMIT_MS = 60000;

// Looks at fnDone again every few milliseconds until it holds; false when the
// bound passed first.
bool WaitUntil(const std::function<bool()>& fnDone, DWORD dwLimitMs = E2E_WAIT_LIMIT_MS);

// A block of memory in another process, for messages whose arguments point
// at memory of the receiver.
class CRemoteMemory
{
public:
    CRemoteMemory(HANDLE hProcess, size_t nSize);
    ~CRemoteMemory();
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;

    LPARAM Address(size_t nOffset = 0) const;
    void Write(const void* pData, size_t nSize, size_t nOffset = 0);
    void Read(void* pData, size_t nSize, size_t nOffset = 0) const;

private:
    HANDLE m_hProcess;
    void* m_pBlock;
};

struct LogRow
{
    std::string strType;
    int nImage;
    std::string strTime;
    std::string strDescription;
};

// A child window of the dialog and its place in the dialog's client area.
struct ChildPlace
{
    HWND hWnd;
    RECT rc;
};

// What the operator does at the script's console once "pause" waits.
enum CONSOLE_ANSWER
{
    CONSOLE_KEY, // presses a key: the script runs to its end
    CONSOLE_END, // ends the interpreter as the task manager does, exit code 1
};

// Celvane.exe started as its own process; the object ends whatever of it is
// left when it goes.
class CCelvane
{
public:
    // Starts the program with the environment given ("NAME=value" entries
    // that replace or add to this process's own) and waits for its window.
    CCelvane(const std::string& strExe, const std::string& strCurrentDir, const std::vector<std::string>& environment);
    ~CCelvane();
    CCelvane(const CCelvane&) = delete;
    CCelvane& operator=(const CCelvane&) = delete;

    HWND Window() const { return m_hDlg; }
    HWND Item(int nID) const { return GetDlgItem(m_hDlg, nID); }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.process.Get(); }

    std::string FieldText(int nID) const;
    void SetFieldText(int nID, const std::string& strText);
    DWORD Address() const;
    void SetAddress(DWORD dwAddress);

    // A press of a button, as the mouse gives it; returns at once.
    void Click(int nID);
    // "Configure", then the operator at the console; returns once the
    // dialog answers again with every line of the run in its list.
    void Configure(CONSOLE_ANSWER answer);

    std::vector<LogRow> LogRows() const;

    // Returns once the dialog answers again and has handled every message
    // that was queued for it.
    void WaitUntilIdle();
    // WaitUntilIdle, and every window of the dialog painted.
    void WaitUntilPainted();

    // The window's rectangle on the screen, and its children's in its
    // client area, in their z-order.
    RECT WindowRect() const;
    std::vector<ChildPlace> Children() const;
    RECT ClientRectOnScreen() const;

    // Drags the size grip in the lower right corner by (dx, dy) with the
    // mouse of the X display.
    void DragSizeGrip(int dx, int dy);
    // A key press of the X display's keyboard on the dialog, by X key name.
    void PressKey(const std::string& strKey);

    // Waits for the program's end; false when it did not end in time.
    bool WaitForExit(DWORD& dwExitCode);

private:
    void End();
    bool InMoveSize() const;

    CProcessInformation m_process;
    HWND m_hDlg = nullptr;
    int m_nMarker = 0;
};

// The processes that the given one started, and those they started, that
// still run.
std::vector<std::string> ProcessesStartedBy(DWORD dwParent);

// A path of the Unix side as Wine shows it on drive Z:.
std::string OnDriveZ(std::string strUnixPath);

// Runs a program of the Unix side (xdotool, ImageMagick) and waits for it;
// its exit status.
int RunUnix(std::vector<std::string> arguments);

// The X display's screen as a PNG file at a Unix path.
void SaveScreenshot(const std::string& strUnixPath);

// The pixels of a rectangle of the X display's screen, three bytes each.
std::string ScreenPixels(const RECT& rc);
// Such pixels as a PNG file at a Unix path.
void SavePixels(const std::string& strPixels, const RECT& rc, const std::string& strUnixPath);
